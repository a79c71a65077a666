#pragma once

#include <algorithm>
#include <compare>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>
#include <string>
#include <string_view>

namespace kav {

// The texts of a tree record, held in one pointer: a tree of a million entries holds three of
// them per record, and a std::string costs 32 bytes before its first character. The length
// sits in front of the characters in the one block it owns (exact size, nothing spare); an
// empty text owns nothing. Reads go through std::string_view.
class NodeText {
 public:
  NodeText() = default;
  NodeText(std::string_view text) { Set(text); }    // NOLINT: takes any text, as a string does
  NodeText(const char* text) { Set(text); }         // NOLINT
  NodeText(const std::string& text) { Set(text); }  // NOLINT
  NodeText(const NodeText& other) { Set(other.view()); }
  NodeText(NodeText&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  NodeText& operator=(const NodeText& other) {
    if (this != &other) Set(other.view());
    return *this;
  }
  NodeText& operator=(NodeText&& other) noexcept {
    if (this != &other) {
      Release();
      block_ = other.block_;
      other.block_ = nullptr;
    }
    return *this;
  }
  NodeText& operator=(std::string_view text) { return assign(text); }
  NodeText& operator=(const std::string& text) { return assign(text); }
  NodeText& operator=(const char* text) { return assign(text); }
  ~NodeText() { Release(); }

  NodeText& assign(std::string_view text) {
    Set(text);
    return *this;
  }
  NodeText& operator+=(std::string_view more) {
    std::string joined(view());
    joined += more;
    Set(joined);
    return *this;
  }

  std::size_t size() const { return block_ == nullptr ? 0 : Length(); }
  bool empty() const { return block_ == nullptr; }
  const char* data() const { return block_ == nullptr ? "" : block_ + sizeof(uint32_t); }
  const char* c_str() const { return data(); }
  char front() const { return data()[0]; }
  char back() const { return data()[size() - 1]; }
  char operator[](std::size_t k) const { return data()[k]; }
  const char* begin() const { return data(); }
  const char* end() const { return data() + size(); }
  std::string_view view() const { return {data(), size()}; }
  std::size_t rfind(std::string_view text, std::size_t pos = std::string::npos) const {
    return view().rfind(text, pos);
  }
  std::size_t find(std::string_view text, std::size_t pos = 0) const {
    return view().find(text, pos);
  }
  std::string str() const { return std::string(view()); }
  std::string substr(std::size_t pos, std::size_t count = std::string::npos) const {
    return std::string(view().substr(pos, count));
  }
  operator std::string_view() const { return view(); }  // NOLINT: reads like a string
  operator std::string() const { return str(); }        // NOLINT

  friend bool operator==(const NodeText& a, const NodeText& b) { return a.view() == b.view(); }
  friend bool operator==(const NodeText& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const NodeText& a, const std::string& b) { return a.view() == b; }
  friend bool operator==(const NodeText& a, const char* b) { return a.view() == b; }
  friend std::strong_ordering operator<=>(const NodeText& a, const NodeText& b) {
    return a.view() <=> b.view();
  }
  friend std::strong_ordering operator<=>(const NodeText& a, std::string_view b) {
    return a.view() <=> b;
  }
  friend std::string operator+(std::string a, const NodeText& b) { return a.append(b.view()); }
  friend std::string operator+(const NodeText& a, std::string_view b) {
    return std::string(a.view()).append(b);
  }
  friend std::ostream& operator<<(std::ostream& out, const NodeText& text) {
    return out << text.view();
  }

 private:
  static char* Allocate(std::size_t bytes) {
    auto* block = static_cast<char*>(std::malloc(bytes));
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  uint32_t Length() const {
    uint32_t length = 0;
    std::memcpy(&length, block_, sizeof length);
    return length;
  }
  void Release() {
    std::free(block_);
    block_ = nullptr;
  }

  void Set(std::string_view text) {
    char* block = nullptr;
    if (!text.empty()) {
      const auto length = static_cast<uint32_t>(text.size());
      block = Allocate(sizeof length + text.size() + 1);
      std::memcpy(block, &length, sizeof length);
      std::memcpy(block + sizeof length, text.data(), text.size());
      block[sizeof length + text.size()] = '\0';
    }
    Release();
    block_ = block;
  }

  char* block_ = nullptr;
};

// A short text held in place, for the three-character change codes.
template <std::size_t N>
class InlineText {
 public:
  InlineText() = default;
  InlineText(std::string_view text) { assign(text); }  // NOLINT
  InlineText(const char* text) { assign(text); }       // NOLINT
  InlineText& operator=(std::string_view text) { return assign(text); }
  InlineText& operator=(const char* text) { return assign(std::string_view(text)); }
  InlineText& operator=(const std::string& text) { return assign(text); }

  // Longer texts are cut, as a bounded field cuts them.
  InlineText& assign(std::string_view text) {
    size_ = static_cast<uint8_t>(std::min(text.size(), N));
    std::memcpy(chars_, text.data(), size_);
    return *this;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {chars_, size_}; }
  operator std::string_view() const { return view(); }          // NOLINT
  operator std::string() const { return std::string(view()); }  // NOLINT

  friend bool operator==(const InlineText& a, const InlineText& b) { return a.view() == b.view(); }
  friend bool operator==(const InlineText& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const InlineText& a, const char* b) { return a.view() == b; }
  friend std::string operator+(std::string a, const InlineText& b) { return a.append(b.view()); }
  friend std::ostream& operator<<(std::ostream& out, const InlineText& text) {
    return out << text.view();
  }

 private:
  char chars_[N] = {};
  uint8_t size_ = 0;
};

}  // namespace kav
