#pragma once
// The layout records subsystem: the TagLayout format and its builders, the
// layout enumerations, join texts, view tags and metrics. None of it draws:
// the drawing helpers that read these records (text rows, lines, platform
// colours, the screen's base font size) are in layout/drawing/.

#include "layout/Enumerations.h"
#include "layout/JoinTexts.h"
#include "layout/Metric.h"
#include "layout/TagLayout.h"
#include "layout/ViewTag.h"
