// The limits applied to every view record a context stores.
#pragma once

#include "render/ViewState.h"

ViewState LimitViewState(ViewState state, bool hasColorBar);
