#pragma once
// The layout records subsystem: the TagLayout format and its builders, the
// layout enumerations and view tags, metrics and the shared drawing functions.

#include "layout/ColorMapping.h"
#include "layout/Enumerations.h"
#include "layout/JoinTexts.h"
#include "layout/Metric.h"
#include "layout/TagLayout.h"
#include "layout/TextDrawing.h"
#include "layout/ViewTag.h"
