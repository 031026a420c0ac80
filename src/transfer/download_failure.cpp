#include "transfer/download_failure.h"
#include "net/http.h"

FailureCause causeOf(const std::exception_ptr &error)
{
    if (!error)
        return FailureCause::Transport;
    try {
        std::rethrow_exception(error);
    } catch (const StatusFailure &) {
        return FailureCause::Origin;
    } catch (const WrongContent &) {
        return FailureCause::Content;
    } catch (const BodyTooLarge &) {
        return FailureCause::Content;
    } catch (const RangeRefused &) {
        return FailureCause::Content;
    } catch (const LocalFailure &) {
        return FailureCause::Local;
    } catch (...) {
    }
    return FailureCause::Transport;
}
