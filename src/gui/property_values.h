// Parsers of the value syntaxes of .gui keywords (positions, colours, alignment, pictures, scales,
// texts, fonts, shadows). Multi-field values are split at single spaces: two spaces in a row make
// an empty field, which reads as 0.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/records.h"
#include "gui/image_atlas.h"

struct TImageFont;

// Up to four decimals x, y, w, h; missing fields 0, extra fields ignored.
TDim GetObjectDim(const std::string& value);
// Up to three integers r, g, b over a colour that starts at 255, 255, 255.
TRGB GetObjectRGB(const std::string& value);
// "LEFT" 1, "UP" 2, "DOWN" 3, "RIGHT" 4 in any case; anything else 0.
int GetObjectAlign(const std::string& value);
// The picture (standalone, or atlas path "|" name) with its handle at its centre; may be none.
std::shared_ptr<TImg> GetObjectGFX(const std::string& value);
// A scale when the value has at least two fields, else none.
std::optional<TScale> GetObjectScaleData(const std::string& value);
std::optional<TScale> GetTextScaleData(const std::string& value);
// The text itself, or for "[" path "|" n "]" (longer than five characters) that language line.
std::string GetObjectTextData(const std::string& value);
// path "|" size from the font cache; none without "|" or with a size below 1.
TImageFont* GetObjectFontData(const std::string& value);
// Shadows are accepted in the format but carry nothing.
void GetObjectShadowData(const std::string& value);
