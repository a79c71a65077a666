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
//
// A scanned record's relative name is the end of its full name: Split makes one block hold
// both, the relative name borrowing the full name's bytes, which spares a block per record.
// The pointer's two low bits (a block is 16-byte aligned) tell the kinds apart: 0 a plain
// block, 1 a block that lends its end (its length, then where the lent end starts), 2 that
// lent end, which owns nothing.
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

  // Makes `whole` hold `text` and `end` the part of it from byte `cut` on, borrowing its
  // bytes: `whole` must stay unchanged while `end` holds them (a record gives its Text a
  // value of its own, or clears it, before it changes its Path). A copy of `end` owns its
  // bytes.
  static void Split(std::string_view text, std::size_t cut, NodeText& whole, NodeText& end) {
    char* block = nullptr;
    const auto length = static_cast<uint32_t>(text.size());
    const auto from = static_cast<uint32_t>(std::min(cut, text.size()));
    if (!text.empty()) {  // filled before the old values go: `text` may be one of them
      block = Allocate(2 * sizeof(uint32_t) + text.size() + 1);
      std::memcpy(block, &length, sizeof length);
      std::memcpy(block + sizeof length, &from, sizeof from);
      std::memcpy(block + 2 * sizeof(uint32_t), text.data(), text.size());
      block[2 * sizeof(uint32_t) + text.size()] = '\0';
    }
    end.Release();
    whole.Release();
    if (block == nullptr) return;
    whole.block_ = Tagged(block, Lender);
    if (from < length) end.block_ = Tagged(block, Lent);
  }

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

  std::size_t size() const { return block_ == nullptr ? 0 : Length() - Cut(); }
  bool empty() const { return block_ == nullptr; }
  const char* data() const { return block_ == nullptr ? "" : Base() + Header() + Cut(); }
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
  static constexpr uintptr_t Plain = 0, Lender = 1, Lent = 2, TagBits = 3;

  static char* Allocate(std::size_t bytes) {
    auto* block = static_cast<char*>(std::malloc(bytes));
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  static char* Tagged(char* block, uintptr_t tag) {
    return reinterpret_cast<char*>(reinterpret_cast<uintptr_t>(block) | tag);
  }
  uintptr_t Tag() const { return reinterpret_cast<uintptr_t>(block_) & TagBits; }
  char* Base() const {
    return reinterpret_cast<char*>(reinterpret_cast<uintptr_t>(block_) & ~TagBits);
  }
  std::size_t Header() const { return Tag() == Plain ? sizeof(uint32_t) : 2 * sizeof(uint32_t); }
  uint32_t Length() const {
    uint32_t length = 0;
    std::memcpy(&length, Base(), sizeof length);
    return length;
  }
  uint32_t Cut() const {
    uint32_t cut = 0;
    if (Tag() == Lent) std::memcpy(&cut, Base() + sizeof(uint32_t), sizeof cut);
    return cut;
  }
  void Release() {
    if (block_ != nullptr && Tag() != Lent) std::free(Base());
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
