// Value parsers of the .gui keywords.
#include "gui/property_values.h"

#include <vector>

#include "gui/gui_strings.h"
#include "gui/text_services.h"
#include "media/media.h"
#include "textdata/numbers.h"
#include "textdata/split_string.h"

namespace {

std::vector<std::string> Fields(const std::string& value) {
  return SplitString(value, " ");
}

float FloatField(const std::vector<std::string>& f, size_t i) {
  return i < f.size() ? TextToFloat(f[i]) : 0.0f;
}

}  // namespace

TDim GetObjectDim(const std::string& value) {
  std::vector<std::string> f = Fields(value);
  TDim d;
  d.x = FloatField(f, 0);
  d.y = FloatField(f, 1);
  d.w = FloatField(f, 2);
  d.h = FloatField(f, 3);
  return d;
}

TRGB GetObjectRGB(const std::string& value) {
  std::vector<std::string> f = Fields(value);
  TRGB c = CreateRGB(255, 255, 255);
  if (f.size() > 0) c.r = static_cast<float>(TextToInt(f[0]));
  if (f.size() > 1) c.g = static_cast<float>(TextToInt(f[1]));
  if (f.size() > 2) c.b = static_cast<float>(TextToInt(f[2]));
  return c;
}

int GetObjectAlign(const std::string& value) {
  std::string v = ToUpperCase(value);
  if (v == "LEFT") return 1;
  if (v == "UP") return 2;
  if (v == "DOWN") return 3;
  if (v == "RIGHT") return 4;
  return 0;
}

std::shared_ptr<TImg> GetObjectGFX(const std::string& value) {
  std::shared_ptr<TImg> img = GetImg(value, kImageDefault);
  MidHandleImg(img.get());
  return img;
}

std::optional<TScale> GetObjectScaleData(const std::string& value) {
  std::vector<std::string> f = Fields(value);
  if (f.size() < 2) return std::nullopt;
  return CreateScale(TextToFloat(f[0]), TextToFloat(f[1]));
}

std::optional<TScale> GetTextScaleData(const std::string& value) {
  return GetObjectScaleData(value);
}

std::string GetObjectTextData(const std::string& value) {
  bool bracketed = Utf16Length(value) > 5 && value.front() == '[' && value.back() == ']';
  // A bracketed value without "|" names no line: it is shown as it stands.
  if (!bracketed || value.find('|') == std::string::npos) return value;
  std::string text = ResolveTextRef(value);
  if (GuiChecking() && text == kBeyondTextArray)
    GuiProblem("the text reference " + value + " names no line");
  return text;
}

TImageFont* GetObjectFontData(const std::string& value) {
  std::vector<std::string> f = SplitString(value, "|");
  if (f.size() < 2) {
    GuiProblem("the font value '" + value + "' has no size");
    return nullptr;
  }
  int size = TextToInt(f[1]);
  if (size < 1) {
    GuiProblem("the font size in '" + value + "' is below 1");
    return nullptr;
  }
  TImageFont* font = GetFont(f[0], size);
  if (!font) GuiProblem("the font '" + f[0] + "' cannot be loaded");
  return font;
}

void GetObjectShadowData(const std::string&) {}
