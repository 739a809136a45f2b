// TList: an ordered list of shared references, traversed in insertion order. The element being
// visited, or any later one, may be removed during a traversal (also by the element itself);
// removed elements are not visited. Elements stay alive while anything refers to them.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

template <class T>
class TList {
 public:
  using Ptr = std::shared_ptr<T>;

  void AddLast(Ptr obj) { items_.push_back(std::move(obj)); }
  void AddFirst(Ptr obj) {
    items_.insert(items_.begin(), std::move(obj));
    if (depth_ > 0) ++cursorShift_;
  }
  // Removes the first occurrence; true when one was found.
  bool Remove(const T* obj) {
    for (size_t i = 0; i < items_.size(); ++i) {
      if (items_[i].get() == obj) {
        if (depth_ > 0) {
          items_[i] = nullptr;  // compacted when the outermost traversal ends
          dirty_ = true;
        } else {
          items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return true;
      }
    }
    return false;
  }
  Ptr RemoveFirst() {
    for (auto& p : items_) {
      if (p) {
        Ptr out = p;
        Remove(out.get());
        return out;
      }
    }
    return nullptr;
  }
  Ptr First() const {
    for (auto& p : items_)
      if (p) return p;
    return nullptr;
  }
  Ptr Last() const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
      if (*it) return *it;
    return nullptr;
  }
  int Count() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](auto& p) { return p != nullptr; }));
  }
  void Clear() {
    if (depth_ > 0) {
      for (auto& p : items_) p = nullptr;
      dirty_ = true;
    } else {
      items_.clear();
    }
  }
  bool Contains(const T* obj) const {
    return std::any_of(items_.begin(), items_.end(), [obj](auto& p) { return p.get() == obj; });
  }
  // Visits every element in order; fn may add or remove elements. Added elements are visited
  // when added at the end before the traversal reaches them.
  template <class Fn>
  void ForEach(Fn&& fn) {
    ++depth_;
    for (size_t i = 0; i < items_.size(); ++i) {
      size_t before = cursorShift_;
      Ptr p = items_[i];  // keeps the element alive while it runs
      if (p) fn(p);
      i += cursorShift_ - before;
    }
    if (--depth_ == 0) {
      cursorShift_ = 0;
      if (dirty_) {
        items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
        dirty_ = false;
      }
    }
  }
  // Visits only elements of type U (lists of mixed types).
  template <class U, class Fn>
  void ForEachOf(Fn&& fn) {
    ForEach([&](const Ptr& p) {
      if (auto u = std::dynamic_pointer_cast<U>(p)) fn(u);
    });
  }

 private:
  std::vector<Ptr> items_;
  int depth_ = 0;
  size_t cursorShift_ = 0;
  bool dirty_ = false;
};
