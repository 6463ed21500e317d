#pragma once

#include "ui/PauseComponent.h"
#include "ui/ScrollComponent.h"
