#include "textdata/font_cache.h"

TList<TMyFont> FontList;

TImageFont* GetFont(const std::string& url, int size) {
  const std::string key = ToUpperCase(url);
  TMyFont* found = nullptr;
  FontList.ForEach([&](const std::shared_ptr<TMyFont>& entry) {
    if (!found && entry->size == size && entry->key == key) found = entry.get();
  });
  if (found) return found->font;
  auto entry = std::make_shared<TMyFont>();
  entry->url = url;
  entry->key = key;
  entry->size = size;
  entry->font = LoadFontFile(url, size, 4);
  TImageFont* font = entry->font;
  FontList.AddLast(std::move(entry));
  return font;
}
