#pragma once

// The seeded part of the fault library: which call on which path meets which fault. Pure
// functions of the environment read once at load time, so any thread may ask at any time.

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace failsys {

enum class Call { Open, Stat, Readdir, Read, Close, Write };
enum class Effect { None, Eio, Eacces, Enoent, Enospc, Interrupt, Short };

inline const char* CallName(Call call) {
  static const char* const names[] = {"open", "stat", "readdir", "read", "close", "write"};
  return names[static_cast<int>(call)];
}

inline const char* EffectName(Effect effect) {
  static const char* const names[] = {"none",   "EIO",   "EACCES", "ENOENT",
                                      "ENOSPC", "EINTR", "SHORT"};
  return names[static_cast<int>(effect)];
}

inline int ErrnoOf(Effect effect) {
  switch (effect) {
    case Effect::Eacces:
      return EACCES;
    case Effect::Enoent:
      return ENOENT;
    case Effect::Enospc:
      return ENOSPC;
    case Effect::Interrupt:
      return EINTR;
    default:
      return EIO;
  }
}

inline uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

inline uint64_t TextHash(const char* text) {
  uint64_t hash = 1469598103934665603ULL;
  for (; *text != '\0'; ++text)
    hash = (hash ^ static_cast<unsigned char>(*text)) * 1099511628211ULL;
  return hash;
}

// A call fails with an error (hard) or is only interrupted or cut short (soft), which a
// correct program rides out without any change to its answer.
struct FaultChoice {
  uint64_t Seed = 0;
  unsigned Rate = 20;  // per 1000 calls
  bool Hard = true;
  bool Soft = true;
  char Under[4096] = {};
  std::atomic<bool> Ready{false};

  bool Active() const { return Ready.load(std::memory_order_acquire); }

  void Load() {
    const char* seed = std::getenv("FAILSYS_SEED");
    const char* under = std::getenv("FAILSYS_UNDER");
    if (seed == nullptr || under == nullptr || *under == '\0') return;
    Seed = std::strtoull(seed, nullptr, 10);
    if (const char* rate = std::getenv("FAILSYS_RATE"))
      Rate = static_cast<unsigned>(std::atoi(rate));
    if (const char* kinds = std::getenv("FAILSYS_KINDS")) {
      Hard = std::strcmp(kinds, "soft") != 0;
      Soft = std::strcmp(kinds, "hard") != 0;
    }
    std::strncpy(Under, under, sizeof Under - 1);
    Ready.store(true, std::memory_order_release);
  }

  Effect Decide(Call call, const char* path, uint64_t place) const {
    if (!Active()) return Effect::None;
    const bool output = call == Call::Write && std::strcmp(path, "<stdout>") == 0;
    const std::size_t underLength = std::strlen(Under);
    if (!output && std::strncmp(path, Under, underLength) != 0) return Effect::None;
    // The path below FAILSYS_UNDER, so that a seed means the same in any scratch folder.
    const char* below = output ? path : path + underLength;
    const uint64_t hash =
        Mix(Seed ^ Mix(static_cast<uint64_t>(call) + 1) ^ Mix(TextHash(below)) ^ Mix(place + 7));
    if (hash % 1000 >= Rate) return Effect::None;
    Effect options[4];
    int count = 0;
    auto offer = [&](bool allowed, Effect effect) {
      if (allowed) options[count++] = effect;
    };
    switch (call) {
      case Call::Open:
      case Call::Stat:
        offer(Hard, Effect::Eio);
        offer(Hard, Effect::Eacces);
        offer(Hard, Effect::Enoent);
        break;
      case Call::Readdir:
      case Call::Close:
        offer(Hard, Effect::Eio);
        break;
      case Call::Read:
        offer(Hard, Effect::Eio);
        offer(Soft, Effect::Interrupt);
        offer(Soft, Effect::Short);
        break;
      case Call::Write:
        offer(Hard, Effect::Enospc);
        offer(Soft, Effect::Interrupt);
        offer(Soft, Effect::Short);
        break;
    }
    return count == 0 ? Effect::None : options[(hash >> 20) % static_cast<uint64_t>(count)];
  }
};

inline FaultChoice& Settings() {
  static FaultChoice choice;  // constant-initialised: no guard, no lock
  return choice;
}

}  // namespace failsys
