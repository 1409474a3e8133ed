#include "ui/recording/gif_animation.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>

#include "ui/recording/gif_palette.h"

namespace tavlo {
namespace {

constexpr int kGraphicsControlLength = 4;

}  // namespace

int GifDelayHundredths(int ms) { return std::clamp((std::max(ms, 0) + 5) / 10, 2, 65535); }

GifAnimation::GifAnimation(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) { Open(); }

GifAnimation::~GifAnimation() {
  if (gif_) EGifCloseFile(gif_, nullptr);
}

int GifAnimation::Write(GifFileType* gif, const unsigned char* bytes, int length) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  return length;
}

void GifAnimation::Fail(const std::string& what, int code) {
  if (error_.empty()) error_ = what + ": " + (GifErrorString(code) ? GifErrorString(code) : "unknown error");
}

bool GifAnimation::Open() {
  int error = 0;
  gif_ = EGifOpen(&bytes_, &GifAnimation::Write, &error);
  if (!gif_) {
    Fail("GIF encoder", error);
    return false;
  }
  EGifSetGifVersion(gif_, true);
  // No global palette: every frame brings its own.
  if (EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr) == GIF_ERROR) {
    Fail("GIF screen", gif_->Error);
    return false;
  }
  // The application block that makes players loop the animation (0 = for ever).
  static const char kLoop[] = "NETSCAPE2.0";
  const std::array<GifByteType, 3> loop{1, 0, 0};
  if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, 11, kLoop) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, static_cast<int>(loop.size()), loop.data()) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_) == GIF_ERROR) {
    Fail("GIF loop block", gif_->Error);
    return false;
  }
  return true;
}

GifAnimation::Rect GifAnimation::ChangedRect(const PixelView& frame) const {
  if (frames_ == 0) return {0, 0, width_, height_};
  const auto differs = [&](int x, int y) {
    return ((frame.At(x, y) ^
             previous_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]) &
            0xFFFFFFu) != 0;
  };
  const auto rowDiffers = [&](int y) {
    for (int x = 0; x < width_; ++x) {
      if (differs(x, y)) return true;
    }
    return false;
  };
  int top = 0;
  while (top < height_ && !rowDiffers(top)) ++top;
  if (top == height_) return {};
  int bottom = height_ - 1;
  while (bottom > top && !rowDiffers(bottom)) --bottom;
  const auto columnDiffers = [&](int x) {
    for (int y = top; y <= bottom; ++y) {
      if (differs(x, y)) return true;
    }
    return false;
  };
  int left = 0;
  while (!columnDiffers(left)) ++left;
  int right = width_ - 1;
  while (right > left && !columnDiffers(right)) --right;
  return {left, top, right - left + 1, bottom - top + 1};
}

GifAnimation::Added GifAnimation::AddFrame(const PixelView& frame, int delayMs) {
  if (!gif_ || finished_ || !error_.empty()) {
    if (error_.empty()) error_ = "the animation is closed";
    return Added::Failed;
  }
  if (frame.width != width_ || frame.height != height_ || !frame.pixels || frame.stride < frame.width) {
    error_ = "a frame of " + std::to_string(frame.width) + " x " + std::to_string(frame.height) +
             " does not fit an animation of " + std::to_string(width_) + " x " + std::to_string(height_);
    return Added::Failed;
  }
  const Rect rect = ChangedRect(frame);
  if (rect.width == 0) return Added::Same;
  if (!WriteFrame(frame, rect, delayMs)) return Added::Failed;

  previous_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int y = rect.top; y < rect.top + rect.height; ++y) {
    const std::uint32_t* row = frame.pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.stride);
    std::copy(row + rect.left, row + rect.left + rect.width,
              previous_.begin() + static_cast<std::ptrdiff_t>(y * width_ + rect.left));
  }
  ++frames_;
  return Added::Frame;
}

bool GifAnimation::WriteFrame(const PixelView& frame, const Rect& rect, int delayMs) {
  // Pixels the frame before already shows are see-through: long runs of one index pack well.
  const PixelView before{previous_.data(), width_, height_, width_};
  const IndexedPicture indexed =
      IndexColours(frame, rect.left, rect.top, rect.width, rect.height, frames_ > 0 ? &before : nullptr);

  // The frame is drawn over the one before it and stays: the next frame changes only its rectangle.
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = GifDelayHundredths(delayMs);
  control.TransparentColor = indexed.transparent;
  std::array<GifByteType, kGraphicsControlLength> extension{};
  EGifGCBToExtension(&control, extension.data());
  const std::size_t extensionAt = bytes_.size();
  if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, kGraphicsControlLength, extension.data()) == GIF_ERROR) {
    Fail("GIF frame timing", gif_->Error);
    return false;
  }

  ColorMapObject* map = GifMakeMapObject(static_cast<int>(indexed.palette.size()), nullptr);
  if (!map) {
    error_ = "GIF palette: out of memory";
    return false;
  }
  for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
    const std::uint32_t c = indexed.palette[i];
    map->Colors[i] =
        GifColorType{static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)};
  }
  const int put = EGifPutImageDesc(gif_, rect.left, rect.top, rect.width, rect.height, false, map);
  GifFreeMapObject(map);
  if (put == GIF_ERROR) {
    Fail("GIF frame", gif_->Error);
    return false;
  }
  std::vector<GifPixelType> line(static_cast<std::size_t>(rect.width));
  for (int y = 0; y < rect.height; ++y) {
    const auto from = indexed.indices.begin() + static_cast<std::ptrdiff_t>(y) * rect.width;
    std::copy(from, from + rect.width, line.begin());
    if (EGifPutLine(gif_, line.data(), rect.width) == GIF_ERROR) {
      Fail("GIF frame pixels", gif_->Error);
      return false;
    }
  }
  // Extension introducer, label, block size, packed byte, then the delay (little-endian).
  lastDelayAt_ = extensionAt + 4;
  return true;
}

void GifAnimation::SetLastDelay(int delayMs) {
  if (frames_ == 0 || finished_ || lastDelayAt_ + 1 >= bytes_.size()) return;
  const int hundredths = GifDelayHundredths(delayMs);
  bytes_[lastDelayAt_] = static_cast<char>(hundredths & 0xFF);
  bytes_[lastDelayAt_ + 1] = static_cast<char>((hundredths >> 8) & 0xFF);
}

std::string GifAnimation::Finish() {
  if (finished_) return {};
  finished_ = true;
  if (!gif_) return {};
  int code = 0;
  const int closed = EGifCloseFile(gif_, &code);
  gif_ = nullptr;
  previous_ = {};
  if (closed == GIF_ERROR) Fail("GIF end", code);
  if (!error_.empty() || frames_ == 0) return {};
  return std::move(bytes_);
}

}  // namespace tavlo
