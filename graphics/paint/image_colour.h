// Colours derived from pictures: the average colour of a background
// picture, and the check-mark picture recoloured in the accent colour.
#pragma once

#include <cstdint>
#include <optional>

#include "app/text_ops.h"
#include "graphics/paint/colour_convert.h"

// The average of samples pixels of a picture (the file at path when path is
// given and not empty, else the picture held in pictureBytes). With a
// margin of 1 or more only the last margin columns (marginX) or rows
// (marginY) are sampled. The sample positions depend on the picture's size
// and on today's date only. Red in the low byte like a COLORREF, 0xFF in the
// top byte; 0xFF000000 for a picture that does not decode or when samples is
// below 1.
std::uint32_t AverageImageColour(const Bytes& pictureBytes, int samples, int marginX, int marginY,
                                 std::optional<Text> path = std::nullopt);

// As AverageImageColour, with the day number (whole days since 30 December
// 1899) given instead of taken from the clock.
std::uint32_t AverageImageColourOnDay(const Bytes& pictureBytes, int samples, int marginX,
                                      int marginY, const std::optional<Text>& path, int day);

// Today's local date as an OLE automation day number.
int TodayOleDayNumber();
