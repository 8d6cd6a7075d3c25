#include "engine/core/FontDescriptor.h"

#include "engine/core/UlvoFontSourceInterface.h"

namespace {

BitmapFont* FindLoadedFont(const std::string& face) {
  UlvoFontSourceInterface* source = UlvoFontSourceInterface::GetDefaultInstance();
  return source != nullptr ? source->GetFont(face) : nullptr;
}

}  // namespace

FontDescriptor::FontDescriptor(const std::string& face, int size, bool bold, bool italic)
    : m_face(face), m_size(size), m_bold(bold), m_italic(italic), m_handle(FindLoadedFont(face)) {}
