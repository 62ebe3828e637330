// Base of the classes that hold something for their lifetime (a scope, a set of
// windows, a saved state): such an object is never copied.
#pragma once

class NonCopyable {
  public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

  protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};
