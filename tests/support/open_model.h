#pragma once
#include "core/app_model.h"

// The model with its field setters reachable, for tests that put it in a given state.
class OpenModel : public AppModel {
public:
    using AppModel::AppModel;
    using AppModel::setInstall;
    using AppModel::setNotice;
    using AppModel::setPhase;
    using AppModel::setRecheckInterval;
    using AppModel::setScreen;
    using AppModel::setSession;
    using AppModel::setSlides;
};

#include <QCoreApplication>
#include <memory>

// The application keeps its one model for the whole process, so the model's own background tasks
// (the check after a sign-in, the home feed) may still be running when a test is done with it.
// Tests therefore never delete a model: it goes to the application and lives until exit.
struct KeepForProcess {
    void operator()(QObject *model) const { model->setParent(QCoreApplication::instance()); }
};
template<typename Model>
using TestModel = std::unique_ptr<Model, KeepForProcess>;
template<typename Model, typename... Args>
TestModel<Model> makeModel(Args &&...args)
{
    return TestModel<Model>(new Model(std::forward<Args>(args)...));
}
