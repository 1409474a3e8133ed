// Picture library bundles: any bytes are refused by the bundle check, or register with Qt and list
// and read every file without reading outside the bundle. The bundle is placed right before an
// inaccessible page, so that a read past its end by Qt (which the sanitizers do not see) crashes.

#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <cstdint>
#include <cstring>
#include <span>

#include "files/resource_bundle_check.h"
#include "fuzz/fuzz_check.h"

namespace {

using tavlo::fuzzing::Require;

class GuardedCopy {
 public:
  GuardedCopy(const std::uint8_t* data, std::size_t size) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    length_ = (size + page - 1) / page * page + page;
    void* base = mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    Require(base != MAP_FAILED, "a mapping for the bundle");
    base_ = static_cast<std::uint8_t*>(base);
    Require(mprotect(base_ + length_ - page, page, PROT_NONE) == 0, "a guard page after the bundle");
    bytes_ = base_ + length_ - page - size;
    if (size > 0) std::memcpy(bytes_, data, size);
  }
  ~GuardedCopy() { munmap(base_, length_); }
  GuardedCopy(const GuardedCopy&) = delete;
  GuardedCopy& operator=(const GuardedCopy&) = delete;

  const std::uint8_t* Bytes() const { return bytes_; }

 private:
  std::uint8_t* base_ = nullptr;
  std::uint8_t* bytes_ = nullptr;
  std::size_t length_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const GuardedCopy copy(data, size);
  const tavlo::ResourceBundleCheck check = tavlo::CheckResourceBundle(std::span(copy.Bytes(), size));
  if (!check.Sound()) return 0;

  const QString root = QStringLiteral("/fuzz-bundle");
  Require(QResource::registerResource(copy.Bytes(), root), "Qt registers a bundle that passed the check");
  std::size_t files = 0;
  QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    ++files;
    if (file.open(QIODevice::ReadOnly)) (void)file.readAll();
  }
  QResource::unregisterResource(copy.Bytes(), root);
  Require(files <= check.Files, "Qt lists no file the check did not reach");
  return 0;
}
