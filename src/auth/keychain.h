#pragma once
#include "auth/session.h"

#include <QCoro/QCoroTask>
#include <chrono>
#include <optional>

// The saved session in the desktop's secret service: one item, service "vantorel-launcher",
// key "session", holding the session's compact JSON. Never a plaintext file.
namespace Keychain {
// The saved session, or none. Throws LauncherError::keychain when the store refuses, and the
// decoding failure unchanged when the item does not hold a session.
QCoro::Task<std::optional<Session>> load();
// Saves or replaces the session; throws LauncherError::keychain when the store refuses.
QCoro::Task<> store(Session session);
// Deletes the saved session; never fails.
QCoro::Task<> clear();

// The store's result as the status code the messages embed:
//   success 0 · no such item -25300 · no secret service -25291 · access denied -25293 ·
//   denied by the user -128 · no answer in time -25308 · anything else -2070.
int statusCode(int qtKeychainError);
// What the messages embed when the store did not answer within the deadline.
constexpr int timedOutStatus = -25308;
// Every operation gives up waiting after this long (10 s); tests shorten it.
void setAnswerDeadline(std::chrono::milliseconds deadline);
}
