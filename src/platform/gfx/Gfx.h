#pragma once
// The drawing half of the platform layer.

#include "platform/gfx/AttributedText.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/ImageSurface.h"
#include "platform/gfx/Path.h"
#include "platform/gfx/Screen.h"
#include "platform/gfx/Text.h"
