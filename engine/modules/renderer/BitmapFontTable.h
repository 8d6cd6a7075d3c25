#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

class BitmapFont;

// The renderer's loaded fonts, found by face name (exact, case-sensitive).
// Loading a face again replaces its entry, but the earlier font stays alive
// with the table: font descriptors made before still point at it.
class BitmapFontTable {
 public:
  BitmapFontTable();
  ~BitmapFontTable();
  BitmapFontTable(const BitmapFontTable&) = delete;
  BitmapFontTable& operator=(const BitmapFontTable&) = delete;

  // Enters the font under the face and returns it.
  BitmapFont* Add(const std::string& face, std::unique_ptr<BitmapFont> font);
  // Null when no font of that face was added.
  BitmapFont* Find(const std::string& face) const;

 private:
  std::map<std::string, BitmapFont*> m_byFace;
  std::vector<std::unique_ptr<BitmapFont>> m_fonts;
};
