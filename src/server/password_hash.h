#pragma once

#include <map>
#include <mutex>
#include <string>

namespace tavlo {

// Passwords are kept only as Argon2id hashes (libsodium's crypto_pwhash string form) and are never
// written anywhere else. One hasher serves every serving thread of a process: its calls may come
// from several threads at once, and the slow hashing itself runs outside the lock.
class PasswordHasher {
 public:
  PasswordHasher();

  // Empty when hashing failed (out of memory). The new hash counts as proved for this password.
  std::string Hash(const std::string& password);

  // A full Argon2id check costs tens of milliseconds by design. A password once proved for a stored
  // hash is remembered as a keyed digest (the key is random per process and never leaves it), so
  // the many requests of one signed-in player are checked in microseconds. A cache, not club state:
  // another process simply checks the hash itself once.
  bool Verify(const std::string& password, const std::string& storedHash);

 private:
  std::string Digest(const std::string& password, const std::string& storedHash) const;

  void Remember(const std::string& storedHash, std::string digest);

  unsigned char key_[32];
  std::mutex mutex_;  // guards proved_
  std::map<std::string, std::string> proved_;  // stored hash -> digest of the proved password
};

}  // namespace tavlo
