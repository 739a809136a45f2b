#include "textdata/formatted_text.h"

#include "textdata/rcm_file.h"

std::shared_ptr<TFormatedText> CreateFormatedText(const std::string& text, TImageFont* font,
                                                  int width, int spacing) {
  auto block = std::make_shared<TFormatedText>();
  block->wholeText = text;
  std::vector<std::string> words = SplitWords(text);
  if (words.empty()) {
    block->texts = {text};
    block->lines = 1;
    block->CountHeight();
    return block;
  }
  SetDrawScale(1, 1);
  SetTextFont(font);
  block->OneHeight = spacing + FontLineHeight();
  block->font = font;
  block->Width = width;
  std::string current = words[0];
  for (size_t i = 1; i < words.size(); ++i) {
    std::string candidate = current + " " + words[i];
    if (TextWidthOf(candidate) > width) {
      block->texts.push_back(std::move(current));
      current = words[i];
    } else {
      current = std::move(candidate);
    }
  }
  block->texts.push_back(std::move(current));
  block->lines = static_cast<int>(block->texts.size());
  block->CountHeight();
  return block;
}

int TFormatedText::CountHeight() {
  SetDrawScale(1, 1);
  SetTextFont(font);
  Height = OneHeight * lines;
  return Height;
}

TFTPTX& TFormatedText::justifiedLine(size_t i) {
  if (justified_.size() < texts.size()) justified_.resize(texts.size());
  JustifiedLine& cached = justified_[i];
  if (!cached.layout || cached.source != texts[i] || cached.width != Width) {
    cached.source = texts[i];
    cached.width = Width;
    cached.layout = std::make_unique<TFTPTX>(TFTPTX::kJustify, static_cast<float>(Width),
                                             TrimControl(texts[i]), 0.0f);
    cached.layout->CountText();
  }
  return *cached.layout;
}

int TFormatedText::Draw(float x, float y, int align) {
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetTextFont(font);
  for (size_t i = 0; i < texts.size(); ++i) {
    const float lineY = y + static_cast<float>(static_cast<int>(i) * OneHeight);
    if (align == 1) {
      DrawTextAt(texts[i], x + static_cast<float>(Width / 2 - TextWidthOf(texts[i]) / 2), lineY);
    } else if (align == -1) {
      justifiedLine(i).draw(x, lineY);
    } else {
      DrawTextAt(texts[i], x, lineY);
    }
  }
  return 0;
}

int TFormatedText::DrawOutLined(float x, float y, int r, int g, int b) {
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetTextFont(font);
  SetDrawColour(0, 0, 0);
  static constexpr float kOffsets[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
  for (size_t i = 0; i < texts.size(); ++i) {
    const float lineY = y + static_cast<float>(static_cast<int>(i) * OneHeight);
    pomY = static_cast<int>(lineY);
    for (const auto& offset : kOffsets) DrawTextAt(texts[i], x + offset[0], lineY + offset[1]);
  }
  SetDrawColour(r, g, b);
  for (size_t i = 0; i < texts.size(); ++i) {
    const float lineY = y + static_cast<float>(static_cast<int>(i) * OneHeight);
    pomY = static_cast<int>(lineY);
    DrawTextAt(texts[i], x, lineY);
  }
  return 0;
}
