// The whole GDI+ wrapper family in one include.
#pragma once

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "graphics/gdiplus/gdiplus_object.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/memory_stream.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/gdiplus/region.h"
#include "graphics/gdiplus/string_format.h"
#include "graphics/gdiplus/wide_text.h"
