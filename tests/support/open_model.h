#pragma once
#include "core/app_model.h"

// The model with its field setters reachable, for tests that put it in a given state.
class OpenModel : public AppModel {
public:
    using AppModel::AppModel;
    using AppModel::setInstall;
    using AppModel::setNotice;
    using AppModel::setPhase;
    using AppModel::setScreen;
    using AppModel::setSession;
    using AppModel::setSlides;
};
