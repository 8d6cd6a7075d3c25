#include "platform/gpu/SdlGpuDevice.h"

#include <algorithm>
#include <cstdint>

#include "platform/gpu/SdlGpuTexture.h"
#include "platform/gpu/TexelConversion.h"
#include "platform/gpu/TextureSeams.h"
#include "platform/window/VideoSystem.h"

namespace platform {

namespace {

static_assert(sizeof(GpuColor) == 4, "back-buffer reads fill GpuColor arrays directly");

// Larger surfaces are refused before their texel copy is allocated.
constexpr int kMaxSurfaceSide = 8192;

SDL_BlendFactor ToSdlFactor(GpuBlendFactor factor) {
  switch (factor) {
    case GpuBlendFactor::Zero:
      return SDL_BLENDFACTOR_ZERO;
    case GpuBlendFactor::One:
      return SDL_BLENDFACTOR_ONE;
    case GpuBlendFactor::SourceColor:
      return SDL_BLENDFACTOR_SRC_COLOR;
    case GpuBlendFactor::InverseSourceColor:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case GpuBlendFactor::SourceAlpha:
      return SDL_BLENDFACTOR_SRC_ALPHA;
    case GpuBlendFactor::InverseSourceAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case GpuBlendFactor::DestinationColor:
      return SDL_BLENDFACTOR_DST_COLOR;
    case GpuBlendFactor::InverseDestinationColor:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
    case GpuBlendFactor::DestinationAlpha:
      return SDL_BLENDFACTOR_DST_ALPHA;
    case GpuBlendFactor::InverseDestinationAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_ALPHA;
  }
  return SDL_BLENDFACTOR_ONE;
}

// SDL's named modes that blend the colour channels with the same factors.
// Every renderer draws them, the software one included; the back buffer has
// no alpha channel, so their own handling of alpha does not matter.
struct NamedBlendMode {
  GpuBlendFactor source;
  GpuBlendFactor destination;
  SDL_BlendMode mode;
};

constexpr NamedBlendMode kNamedBlendModes[] = {
    {GpuBlendFactor::SourceAlpha, GpuBlendFactor::InverseSourceAlpha, SDL_BLENDMODE_BLEND},
    {GpuBlendFactor::One, GpuBlendFactor::Zero, SDL_BLENDMODE_NONE},
    {GpuBlendFactor::SourceAlpha, GpuBlendFactor::One, SDL_BLENDMODE_ADD},
    {GpuBlendFactor::Zero, GpuBlendFactor::SourceColor, SDL_BLENDMODE_MOD},
    {GpuBlendFactor::DestinationColor, GpuBlendFactor::Zero, SDL_BLENDMODE_MOD},
    {GpuBlendFactor::DestinationColor, GpuBlendFactor::InverseSourceAlpha, SDL_BLENDMODE_MUL},
};

SDL_BlendMode ExactBlendMode(GpuBlendFactor source, GpuBlendFactor destination) {
  for (const NamedBlendMode& named : kNamedBlendModes) {
    if (named.source == source && named.destination == destination) {
      return named.mode;
    }
  }
  // The alpha channel takes the same factors as the colour channels.
  return SDL_ComposeCustomBlendMode(ToSdlFactor(source), ToSdlFactor(destination),
                                    SDL_BLENDOPERATION_ADD, ToSdlFactor(source),
                                    ToSdlFactor(destination), SDL_BLENDOPERATION_ADD);
}

// The nearest named mode, for renderers that draw no composed modes.
SDL_BlendMode ApproximateBlendMode(GpuBlendFactor source, GpuBlendFactor destination) {
  switch (destination) {
    case GpuBlendFactor::Zero:
      return source == GpuBlendFactor::DestinationColor ? SDL_BLENDMODE_MOD : SDL_BLENDMODE_NONE;
    case GpuBlendFactor::One:
      return SDL_BLENDMODE_ADD;
    case GpuBlendFactor::SourceColor:
      return SDL_BLENDMODE_MOD;
    default:
      return SDL_BLENDMODE_BLEND;
  }
}

SDL_Vertex ToSdlVertex(const GpuVertex& vertex) {
  SDL_Vertex result;
  result.position = {vertex.x, vertex.y};
  result.color = {vertex.color.r, vertex.color.g, vertex.color.b, vertex.color.a};
  result.tex_coord = {vertex.u, vertex.v};
  return result;
}

// One axis of a copy: moves the start of the source and the destination
// together until both lie on their surfaces and shortens the length to what
// both surfaces hold. Wide integers, so that no argument can overflow.
void ClipCopyAxis(int64_t& source, int64_t& destination, int64_t& length, int64_t sourceSize,
                  int64_t destinationSize) {
  const int64_t skip = std::max<int64_t>({0, -source, -destination});
  source += skip;
  destination += skip;
  length -= skip;
  length = std::min({length, sourceSize - source, destinationSize - destination});
}

// Present once per display refresh, as SDL offers it (or stands in for it
// with a timed wait); the drivers that show nothing have no refresh to wait
// for, and frames drawn for tests must not wait.
Uint32 RendererFlags() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool hasDisplay = driver != nullptr && !ShowsNoPicture(driver);
  Uint32 flags = SDL_RENDERER_TARGETTEXTURE;
  if (hasDisplay) {
    flags |= SDL_RENDERER_PRESENTVSYNC;
  }
  return flags;
}

}  // namespace

std::unique_ptr<SdlGpuDevice> SdlGpuDevice::Create(SDL_Window* window, int backBufferWidth,
                                                   int backBufferHeight, std::string* error) {
  std::string unreported;
  if (error == nullptr) {
    error = &unreported;
  }
  if (window == nullptr) {
    *error = "no window to draw in";
    return nullptr;
  }
  SdlRendererPtr renderer(SDL_CreateRenderer(window, -1, RendererFlags()));
  if (!renderer) {
    *error = SDL_GetError();
    return nullptr;
  }
  std::unique_ptr<SdlGpuDevice> device(new SdlGpuDevice(std::move(renderer)));
  if (device->Reset(backBufferWidth, backBufferHeight) != GpuResult::Ok) {
    *error = device->LastError();
    return nullptr;
  }
  return device;
}

SdlGpuDevice::SdlGpuDevice(SdlRendererPtr renderer) : renderer_(std::move(renderer)) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer_.get(), &info) == 0) {
    maxTextureWidth_ = info.max_texture_width;
    maxTextureHeight_ = info.max_texture_height;
    softwareRenderer_ = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  }
  SDL_AddEventWatch(&SdlGpuDevice::WatchEvents, this);
}

SdlGpuDevice::~SdlGpuDevice() {
  SDL_DelEventWatch(&SdlGpuDevice::WatchEvents, this);
  for (SdlGpuTexture* texture : textures_) {
    texture->DetachFromDevice();
  }
}

int SdlGpuDevice::WatchEvents(void* device, SDL_Event* event) {
  // SDL may call this from another thread; it only raises a flag.
  if (event->type == SDL_RENDER_TARGETS_RESET || event->type == SDL_RENDER_DEVICE_RESET) {
    static_cast<SdlGpuDevice*>(device)->lossSignalled_ = true;
  }
  return 1;
}

bool SdlGpuDevice::IsLost() {
  if (lossSignalled_.exchange(false) && !lost_) {
    LoseDevice();
  }
  return lost_;
}

void SdlGpuDevice::LoseDevice() {
  lost_ = true;
  inScene_ = false;
  for (SdlGpuTexture* texture : textures_) {
    texture->ReleaseGpuCopy();
  }
  backBuffer_.reset();
}

void SdlGpuDevice::SimulateDeviceLoss() {
  lossSignalled_ = false;
  if (!lost_) {
    LoseDevice();
  }
}

GpuResult SdlGpuDevice::BeginScene() {
  if (IsLost()) {
    return GpuResult::DeviceLost;
  }
  if (inScene_) {
    return GpuResult::InvalidCall;
  }
  inScene_ = true;
  return GpuResult::Ok;
}

GpuResult SdlGpuDevice::EndScene() {
  if (IsLost()) {
    return GpuResult::DeviceLost;
  }
  if (!inScene_) {
    return GpuResult::InvalidCall;
  }
  inScene_ = false;
  return GpuResult::Ok;
}

GpuResult SdlGpuDevice::Present() {
  if (IsLost()) {
    return GpuResult::DeviceLost;
  }
  if (SDL_SetRenderTarget(renderer_.get(), nullptr) != 0 ||
      SDL_RenderCopy(renderer_.get(), backBuffer_.get(), nullptr, nullptr) != 0) {
    lastError_ = SDL_GetError();
    SDL_SetRenderTarget(renderer_.get(), backBuffer_.get());
    ApplyViewport();
    return GpuResult::Failed;
  }
  SDL_RenderPresent(renderer_.get());
  SDL_SetRenderTarget(renderer_.get(), backBuffer_.get());
  ApplyViewport();
  // Presenting is where a driver usually finds out that the device is gone.
  return IsLost() ? GpuResult::DeviceLost : GpuResult::Ok;
}

GpuResult SdlGpuDevice::TestDeviceState() {
  // SDL brings its renderer back by itself, so a lost device can always be reset.
  return IsLost() ? GpuResult::DeviceNotReset : GpuResult::Ok;
}

bool SdlGpuDevice::ValidSurfaceSize(int width, int height) const {
  const int maxWidth = maxTextureWidth_ > 0 ? std::min(maxTextureWidth_, kMaxSurfaceSide)
                                            : kMaxSurfaceSide;
  const int maxHeight = maxTextureHeight_ > 0 ? std::min(maxTextureHeight_, kMaxSurfaceSide)
                                              : kMaxSurfaceSide;
  return width > 0 && height > 0 && width <= maxWidth && height <= maxHeight;
}

GpuResult SdlGpuDevice::Reset(int backBufferWidth, int backBufferHeight) {
  if (!ValidSurfaceSize(backBufferWidth, backBufferHeight)) {
    lastError_ = "back buffer of " + std::to_string(backBufferWidth) + " x " +
                 std::to_string(backBufferHeight) + " pixels is not possible";
    return GpuResult::InvalidCall;
  }
  // A loss signalled before now may have taken the SDL textures with it.
  IsLost();
  inScene_ = false;
  backBuffer_.reset();
  if (!MakeBackBuffer(backBufferWidth, backBufferHeight)) {
    LoseDevice();
    return GpuResult::Failed;
  }
  for (SdlGpuTexture* texture : textures_) {
    if (texture->GpuCopy() == nullptr && !texture->CreateGpuCopy(renderer_.get(), &lastError_)) {
      LoseDevice();
      return GpuResult::Failed;
    }
  }
  lost_ = false;
  RestoreDefaultStates();
  return GpuResult::Ok;
}

bool SdlGpuDevice::MakeBackBuffer(int width, int height) {
  // No alpha channel, like a window's: what is copied out of it is opaque.
  backBuffer_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                      SDL_TEXTUREACCESS_TARGET, width, height));
  if (!backBuffer_ || SDL_SetRenderTarget(renderer_.get(), backBuffer_.get()) != 0) {
    lastError_ = SDL_GetError();
    backBuffer_.reset();
    return false;
  }
  SDL_SetTextureScaleMode(backBuffer_.get(), SDL_ScaleModeLinear);
  SDL_SetTextureBlendMode(backBuffer_.get(), SDL_BLENDMODE_NONE);
  backBufferWidth_ = width;
  backBufferHeight_ = height;
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
  SDL_RenderClear(renderer_.get());
  return true;
}

void SdlGpuDevice::RestoreDefaultStates() {
  viewport_ = {0, 0, backBufferWidth_, backBufferHeight_};
  ApplyViewport();
  projection_ = OrthographicProjection();
  SetBlendMode(GpuBlendFactor::SourceAlpha, GpuBlendFactor::InverseSourceAlpha);
  texture_ = nullptr;
  addressMode_ = GpuAddressMode::Clamp;
}

void SdlGpuDevice::ApplyViewport() {
  if (!backBuffer_) {
    return;
  }
  const SDL_Rect viewport = {viewport_.x, viewport_.y, viewport_.width, viewport_.height};
  SDL_RenderSetViewport(renderer_.get(), &viewport);
  // Positions are relative to the viewport, and so is the clip rectangle.
  const SDL_Rect clip = {0, 0, viewport_.width, viewport_.height};
  SDL_RenderSetClipRect(renderer_.get(), &clip);
}

GpuResult SdlGpuDevice::SetViewport(const GpuRect& viewport) {
  if (viewport.width < 0 || viewport.height < 0) {
    return GpuResult::InvalidCall;
  }
  viewport_ = viewport;
  if (!IsLost()) {
    ApplyViewport();
  }
  return GpuResult::Ok;
}

void SdlGpuDevice::SetProjection(const OrthographicProjection& projection) {
  projection_ = projection;
}

void SdlGpuDevice::SetBlendMode(GpuBlendFactor source, GpuBlendFactor destination) {
  blendMode_ = ExactBlendMode(source, destination);
  if (SDL_SetRenderDrawBlendMode(renderer_.get(), blendMode_) != 0) {
    blendMode_ = ApproximateBlendMode(source, destination);
    SDL_SetRenderDrawBlendMode(renderer_.get(), blendMode_);
  }
}

SdlGpuTexture* SdlGpuDevice::OwnTexture(GpuTexture* texture) const {
  auto* own = dynamic_cast<SdlGpuTexture*>(texture);
  return own != nullptr && own->Device() == this ? own : nullptr;
}

void SdlGpuDevice::SetTexture(GpuTexture* texture) { texture_ = OwnTexture(texture); }

void SdlGpuDevice::SetTextureAddressMode(GpuAddressMode mode) { addressMode_ = mode; }

void SdlGpuDevice::Clear(GpuColor color) {
  if (IsLost()) {
    return;
  }
  SDL_SetRenderDrawColor(renderer_.get(), color.r, color.g, color.b, color.a);
  SDL_RenderClear(renderer_.get());
}

GpuResult SdlGpuDevice::DrawTriangleFan(const GpuVertex* vertices, int count) {
  if (IsLost()) {
    return GpuResult::DeviceLost;
  }
  if (!inScene_ || vertices == nullptr || count < 3) {
    return GpuResult::InvalidCall;
  }
  if (!projection_.IsValid() || viewport_.width == 0 || viewport_.height == 0) {
    return GpuResult::Ok;
  }
  projected_.assign(vertices, vertices + count);
  for (GpuVertex& vertex : projected_) {
    const OrthographicProjection::Point point =
        projection_.ToViewport(vertex.x, vertex.y, viewport_.width, viewport_.height);
    vertex.x = point.x;
    vertex.y = point.y;
  }

  SDL_Texture* texture = texture_ != nullptr ? texture_->GpuCopy() : nullptr;
  sdlVertices_.clear();
  if (texture == nullptr || TextureCoordinatesInRange(projected_.data(), count)) {
    fanIndices_.clear();
    for (int i = 0; i < count; ++i) {
      sdlVertices_.push_back(ToSdlVertex(projected_[i]));
    }
    for (int i = 1; i + 1 < count; ++i) {
      fanIndices_.insert(fanIndices_.end(), {0, i, i + 1});
    }
    return DrawTriangles(texture, fanIndices_.data(), static_cast<int>(fanIndices_.size()));
  }

  pieces_.clear();
  for (int i = 1; i + 1 < count; ++i) {
    if (!SplitTriangleAtTextureSeams(projected_[0], projected_[i], projected_[i + 1], addressMode_,
                                     texture_->Width(), texture_->Height(), pieces_)) {
      lastError_ = "texture coordinates out of reach of the address mode";
      return GpuResult::InvalidCall;
    }
  }
  for (const GpuVertex& vertex : pieces_) {
    sdlVertices_.push_back(ToSdlVertex(vertex));
  }
  return DrawTriangles(texture, nullptr, 0);
}

GpuResult SdlGpuDevice::DrawTriangles(SDL_Texture* texture, const int* indices, int indexCount) {
  if (sdlVertices_.empty()) {
    return GpuResult::Ok;
  }
  SDL_Renderer* renderer = renderer_.get();
  const int vertexCount = static_cast<int>(sdlVertices_.size());
  int result = 0;
  if (texture != nullptr) {
    SDL_SetTextureBlendMode(texture, blendMode_);
  }
  if (softwareRenderer_ && texture == nullptr && blendMode_ != SDL_BLENDMODE_BLEND) {
    // SDL's software renderer fills a one-coloured rectangle with the ordinary
    // alpha blend whatever the blend mode; given one triangle at a time it
    // sees no rectangles.
    const int count = indices != nullptr ? indexCount : vertexCount;
    for (int i = 0; i + 2 < count && result == 0; i += 3) {
      result = indices != nullptr
                   ? SDL_RenderGeometry(renderer, nullptr, sdlVertices_.data(), vertexCount,
                                        indices + i, 3)
                   : SDL_RenderGeometry(renderer, nullptr, sdlVertices_.data() + i, 3, nullptr, 0);
    }
  } else {
    result = SDL_RenderGeometry(renderer, texture, sdlVertices_.data(), vertexCount, indices,
                                indexCount);
  }
  if (result != 0) {
    lastError_ = SDL_GetError();
    return GpuResult::Failed;
  }
  return GpuResult::Ok;
}

std::unique_ptr<GpuTexture> SdlGpuDevice::CreateTexture(int width, int height,
                                                        GpuTextureFormat format) {
  if (!ValidSurfaceSize(width, height)) {
    lastError_ = "texture of " + std::to_string(width) + " x " + std::to_string(height) +
                 " texels is not possible";
    return nullptr;
  }
  std::unique_ptr<SdlGpuTexture> texture(new SdlGpuTexture(this, width, height, format));
  // While the device is lost the texture waits for the reset to reach the GPU.
  if (!IsLost() && !texture->CreateGpuCopy(renderer_.get(), &lastError_)) {
    return nullptr;
  }
  textures_.push_back(texture.get());
  return texture;
}

void SdlGpuDevice::ForgetTexture(SdlGpuTexture* texture) {
  textures_.erase(std::remove(textures_.begin(), textures_.end(), texture), textures_.end());
  if (texture_ == texture) {
    texture_ = nullptr;
  }
}

GpuResult SdlGpuDevice::CopyBackBufferToTexture(const GpuRect& source, GpuTexture& destination,
                                                int destinationX, int destinationY) {
  if (IsLost()) {
    return GpuResult::DeviceLost;
  }
  SdlGpuTexture* texture = OwnTexture(&destination);
  if (texture == nullptr || texture->IsLocked() || source.width < 0 || source.height < 0) {
    return GpuResult::InvalidCall;
  }
  int64_t sourceX = source.x, sourceY = source.y, width = source.width, height = source.height;
  int64_t targetX = destinationX, targetY = destinationY;
  ClipCopyAxis(sourceX, targetX, width, backBufferWidth_, texture->Width());
  ClipCopyAxis(sourceY, targetY, height, backBufferHeight_, texture->Height());
  if (width <= 0 || height <= 0) {
    return GpuResult::InvalidCall;
  }

  const SDL_Rect read = {static_cast<int>(sourceX), static_cast<int>(sourceY),
                         static_cast<int>(width), static_cast<int>(height)};
  std::vector<uint8_t> bgra(static_cast<size_t>(read.w) * static_cast<size_t>(read.h) * 4);
  if (!ReadPixels(read, SDL_PIXELFORMAT_BGRA32, bgra.data(), read.w * 4)) {
    return GpuResult::Failed;
  }
  const SDL_Rect written = {static_cast<int>(targetX), static_cast<int>(targetY), read.w, read.h};
  const int bytesPerTexel = BytesPerTexel(texture->Format());
  for (int row = 0; row < read.h; ++row) {
    BgraToTexels(texture->Format(), bgra.data() + static_cast<size_t>(row) * read.w * 4, read.w,
                 texture->TexelRow(written.y + row) + written.x * bytesPerTexel);
  }
  return texture->Upload(written, &lastError_) ? GpuResult::Ok : GpuResult::Failed;
}

bool SdlGpuDevice::ReadPixels(const SDL_Rect& rect, Uint32 format, void* pixels, int pitch) {
  // SDL reads only inside the viewport, so the whole back buffer is opened up.
  SDL_RenderSetViewport(renderer_.get(), nullptr);
  const int result = SDL_RenderReadPixels(renderer_.get(), &rect, format, pixels, pitch);
  ApplyViewport();
  if (result != 0) {
    lastError_ = SDL_GetError();
    return false;
  }
  return true;
}

std::vector<GpuColor> SdlGpuDevice::ReadBackBuffer(const GpuRect& rect) {
  const bool inside = rect.x >= 0 && rect.y >= 0 && rect.width > 0 && rect.height > 0 &&
                      rect.width <= backBufferWidth_ - rect.x &&
                      rect.height <= backBufferHeight_ - rect.y;
  if (IsLost() || !inside) {
    return {};
  }
  std::vector<GpuColor> pixels(static_cast<size_t>(rect.width) * static_cast<size_t>(rect.height));
  const SDL_Rect read = {rect.x, rect.y, rect.width, rect.height};
  if (!ReadPixels(read, SDL_PIXELFORMAT_RGBA32, pixels.data(), rect.width * 4)) {
    return {};
  }
  return pixels;
}

}  // namespace platform
