#include "server/password_hash.h"

#include <sodium.h>

#include <stdexcept>

namespace tavlo {

PasswordHasher::PasswordHasher() {
  if (sodium_init() < 0) throw std::runtime_error("libsodium could not start");
  randombytes_buf(key_, sizeof key_);
}

std::string PasswordHasher::Hash(const std::string& password) {
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    return {};
  }
  Remember(out, Digest(password, out));
  return out;
}

std::string PasswordHasher::Digest(const std::string& password, const std::string& storedHash) const {
  unsigned char digest[crypto_generichash_BYTES];
  crypto_generichash_state state;
  crypto_generichash_init(&state, key_, sizeof key_, sizeof digest);
  crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(storedHash.data()), storedHash.size());
  const unsigned char separator = 0;
  crypto_generichash_update(&state, &separator, 1);
  crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(password.data()), password.size());
  crypto_generichash_final(&state, digest, sizeof digest);
  return std::string(reinterpret_cast<const char*>(digest), sizeof digest);
}

bool PasswordHasher::Verify(const std::string& password, const std::string& storedHash) {
  const std::string digest = Digest(password, storedHash);
  {
    const std::lock_guard lock(mutex_);
    if (const auto known = proved_.find(storedHash); known != proved_.end()) {
      if (sodium_memcmp(known->second.data(), digest.data(), digest.size()) == 0) return true;
    }
  }
  if (storedHash.size() >= crypto_pwhash_STRBYTES) return false;
  if (crypto_pwhash_str_verify(storedHash.c_str(), password.data(), password.size()) != 0) return false;
  Remember(storedHash, digest);
  return true;
}

void PasswordHasher::Remember(const std::string& storedHash, std::string digest) {
  const std::lock_guard lock(mutex_);
  if (proved_.size() > 100000) proved_.clear();
  proved_[storedHash] = std::move(digest);
}

}  // namespace tavlo
