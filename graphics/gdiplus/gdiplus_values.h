// Plain records and numbers shared by the GDI+ wrapper objects and their
// callers: points and rectangles laid out as GDI+ lays out its own, ARGB
// colours, status codes and the enumeration values the painters pass. The
// points and boxes are the project's own (geometry/boxes.h).
//
// The values carry the GDI+ SDK names but live outside namespace Gdiplus, so
// this header never pulls in mingw's GDI+ C++ headers (they break under
// NOMINMAX). Do not combine it with `using namespace Gdiplus`.
#pragma once

#include <cstdint>

#include "geometry/boxes.h"

using Argb = std::uint32_t;   // alpha 24-31, red 16-23, green 8-15, blue 0-7
using GdipStatus = std::int32_t;


// Status
constexpr GdipStatus Ok = 0;
constexpr GdipStatus GenericError = 1;
constexpr GdipStatus InvalidParameter = 2;
constexpr GdipStatus OutOfMemory = 3;
constexpr GdipStatus InsufficientBuffer = 5;
constexpr GdipStatus NotImplemented = 6;
constexpr GdipStatus Win32Error = 7;
constexpr GdipStatus FileNotFound = 10;
constexpr GdipStatus UnknownImageFormat = 13;
constexpr GdipStatus FontFamilyNotFound = 14;
constexpr GdipStatus GdiplusNotInitialized = 18;

// Unit
constexpr int UnitWorld = 0;
constexpr int UnitDisplay = 1;
constexpr int UnitPixel = 2;
constexpr int UnitPoint = 3;

// PixelFormat (macros of the same values where GDI+'s own headers are in)
#ifndef PixelFormat32bppARGB
constexpr int PixelFormat24bppRGB = 0x21808;
constexpr int PixelFormat32bppRGB = 0x22009;
constexpr int PixelFormat32bppARGB = 0x26200A;
constexpr int PixelFormat32bppPARGB = 0xE200B;
#endif

// ImageLockMode
constexpr int ImageLockModeRead = 1;
constexpr int ImageLockModeWrite = 2;

// CombineMode
constexpr int CombineModeReplace = 0;
constexpr int CombineModeIntersect = 1;
constexpr int CombineModeUnion = 2;
constexpr int CombineModeXor = 3;
constexpr int CombineModeExclude = 4;
constexpr int CombineModeComplement = 5;

// MatrixOrder
constexpr int MatrixOrderPrepend = 0;
constexpr int MatrixOrderAppend = 1;

// FillMode
constexpr int FillModeAlternate = 0;
constexpr int FillModeWinding = 1;

// WrapMode
constexpr int WrapModeTile = 0;
constexpr int WrapModeTileFlipX = 1;
constexpr int WrapModeTileFlipY = 2;
constexpr int WrapModeTileFlipXY = 3;
constexpr int WrapModeClamp = 4;

// LinearGradientMode
constexpr int LinearGradientModeHorizontal = 0;
constexpr int LinearGradientModeVertical = 1;
constexpr int LinearGradientModeForwardDiagonal = 2;
constexpr int LinearGradientModeBackwardDiagonal = 3;

// SmoothingMode
constexpr int SmoothingModeDefault = 0;
constexpr int SmoothingModeHighSpeed = 1;
constexpr int SmoothingModeHighQuality = 2;
constexpr int SmoothingModeNone = 3;
constexpr int SmoothingModeAntiAlias = 4;

// InterpolationMode
constexpr int InterpolationModeDefault = 0;
constexpr int InterpolationModeLowQuality = 1;
constexpr int InterpolationModeHighQuality = 2;
constexpr int InterpolationModeBilinear = 3;
constexpr int InterpolationModeBicubic = 4;
constexpr int InterpolationModeNearestNeighbor = 5;
constexpr int InterpolationModeHighQualityBilinear = 6;
constexpr int InterpolationModeHighQualityBicubic = 7;

// CompositingMode / CompositingQuality
constexpr int CompositingModeSourceOver = 0;
constexpr int CompositingModeSourceCopy = 1;
constexpr int CompositingQualityDefault = 0;
constexpr int CompositingQualityHighSpeed = 1;
constexpr int CompositingQualityHighQuality = 2;
constexpr int CompositingQualityGammaCorrected = 3;
constexpr int CompositingQualityAssumeLinear = 4;

// PixelOffsetMode
constexpr int PixelOffsetModeDefault = 0;
constexpr int PixelOffsetModeHighSpeed = 1;
constexpr int PixelOffsetModeHighQuality = 2;
constexpr int PixelOffsetModeNone = 3;
constexpr int PixelOffsetModeHalf = 4;

// TextRenderingHint
constexpr int TextRenderingHintSystemDefault = 0;
constexpr int TextRenderingHintSingleBitPerPixelGridFit = 1;
constexpr int TextRenderingHintSingleBitPerPixel = 2;
constexpr int TextRenderingHintAntiAliasGridFit = 3;
constexpr int TextRenderingHintAntiAlias = 4;
constexpr int TextRenderingHintClearTypeGridFit = 5;

// FontStyle
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleBoldItalic = 3;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

// StringAlignment (horizontal and line alignment)
constexpr int StringAlignmentNear = 0;
constexpr int StringAlignmentCenter = 1;
constexpr int StringAlignmentFar = 2;

// StringFormatFlags
constexpr int StringFormatFlagsDirectionRightToLeft = 0x1;
constexpr int StringFormatFlagsDirectionVertical = 0x2;
constexpr int StringFormatFlagsNoFitBlackBox = 0x4;
constexpr int StringFormatFlagsNoClip = 0x4000;
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsLineLimit = 0x2000;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x800;

// StringTrimming
constexpr int StringTrimmingNone = 0;
constexpr int StringTrimmingCharacter = 1;
constexpr int StringTrimmingWord = 2;
constexpr int StringTrimmingEllipsisCharacter = 3;
constexpr int StringTrimmingEllipsisWord = 4;
constexpr int StringTrimmingEllipsisPath = 5;

// HotkeyPrefix
constexpr int HotkeyPrefixNone = 0;
constexpr int HotkeyPrefixShow = 1;
constexpr int HotkeyPrefixHide = 2;

// LineCap / LineJoin / DashStyle / PenAlignment
constexpr int LineCapFlat = 0;
constexpr int LineCapSquare = 1;
constexpr int LineCapRound = 2;
constexpr int LineCapTriangle = 3;
constexpr int LineJoinMiter = 0;
constexpr int LineJoinBevel = 1;
constexpr int LineJoinRound = 2;
constexpr int DashStyleSolid = 0;
constexpr int DashStyleDash = 1;
constexpr int DashStyleDot = 2;
constexpr int DashStyleDashDot = 3;
constexpr int DashStyleCustom = 5;
constexpr int PenAlignmentCenter = 0;
constexpr int PenAlignmentInset = 1;

// BrushType
constexpr int BrushTypeSolidColor = 0;
constexpr int BrushTypeHatchFill = 1;
constexpr int BrushTypeTextureFill = 2;
constexpr int BrushTypePathGradient = 3;
constexpr int BrushTypeLinearGradient = 4;

// ImageType
constexpr int ImageTypeUnknown = 0;
constexpr int ImageTypeBitmap = 1;
constexpr int ImageTypeMetafile = 2;

// RotateFlipType
constexpr int RotateNoneFlipNone = 0;
constexpr int Rotate90FlipNone = 1;
constexpr int Rotate180FlipNone = 2;
constexpr int Rotate270FlipNone = 3;
constexpr int RotateNoneFlipX = 4;

// Image format GUIDs as text, in the form GuidToText gives them.
constexpr const char* ImageFormatBMP = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatJPEG = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatPNG = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatGIF = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
// Encoder parameter GUID of the JPEG quality (a 32-bit value 0-100).
constexpr const char* EncoderQuality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
constexpr int EncoderParameterValueTypeLong = 4;

// Builds an ARGB value from its four channels.
constexpr Argb MakeArgb(unsigned a, unsigned r, unsigned g, unsigned b) {
  return (Argb(a & 0xFF) << 24) | (Argb(r & 0xFF) << 16) | (Argb(g & 0xFF) << 8) | Argb(b & 0xFF);
}
