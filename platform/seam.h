#pragma once
#include <utility>

// A replaceable global (the beep, the foreground probe, the dialogs, the program folder...):
// the program reads its value, an empty value meaning the real thing. A test replaces it for one
// scope only: ScopedOverride puts the previous value back when the scope ends, so no test leaves
// its fake behind for the next.
template <typename T>
class Seam {
 public:
  const T& Get() const { return value_; }
  void Set(T value) { value_ = std::move(value); }

  class [[nodiscard]] Override {
   public:
    Override(Seam& seam, T value) : seam_(seam), previous_(std::exchange(seam.value_, std::move(value))) {}
    ~Override() { seam_.value_ = std::move(previous_); }
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

   private:
    Seam& seam_;
    T previous_;
  };

 private:
  T value_{};
};

template <typename T, typename V>
[[nodiscard]] typename Seam<T>::Override ScopedOverride(Seam<T>& seam, V&& value) {
  return typename Seam<T>::Override(seam, T(std::forward<V>(value)));
}
