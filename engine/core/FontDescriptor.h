#pragma once

#include <string>

class BitmapFont;

// A font choice: face, point size, weight and slant, with the renderer's
// loaded font for that face looked up once, when the descriptor is built.
class FontDescriptor {
 public:
  // The handle is the default font source's font of that face (see
  // UlvoFontSourceInterface); null when no renderer exists or the face is
  // not loaded.
  FontDescriptor(const std::string& face, int size, bool bold, bool italic);
  virtual ~FontDescriptor() = default;

  FontDescriptor(const FontDescriptor&) = default;
  FontDescriptor& operator=(const FontDescriptor&) = default;

  const std::string& GetFace() const { return m_face; }
  int GetSize() const { return m_size; }
  bool IsBold() const { return m_bold; }
  bool IsItalic() const { return m_italic; }
  // Owned by the renderer; stays valid for the run once loaded.
  BitmapFont* GetHandle() const { return m_handle; }

 private:
  std::string m_face;
  int m_size;
  bool m_bold;
  bool m_italic;
  BitmapFont* m_handle;
};
