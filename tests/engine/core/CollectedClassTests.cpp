#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/FontDescriptor.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoFontSourceInterface.h"

namespace {

class Module : public UlvoCollectedClassInterface<Module> {
 public:
  explicit Module(int idIn) : id(idIn) {}
  int id;
};

std::vector<int> LiveModuleIds() {
  std::vector<int> ids;
  for (size_t i = 0; i < Module::GetInstanceCount(); ++i) {
    ids.push_back(Module::GetInstance(i)->id);
  }
  return ids;
}

class FakeFontSource : public UlvoFontSourceInterface {
 public:
  BitmapFont* GetFont(const std::string& face) override {
    askedFor.push_back(face);
    return face == "MainFont" ? reinterpret_cast<BitmapFont*>(this) : nullptr;
  }
  std::vector<std::string> askedFor;
};

}  // namespace

TEST(CollectedClassTest, KeepsConstructionOrderAndCopiesJoin) {
  auto first = std::make_unique<Module>(1);
  auto second = std::make_unique<Module>(2);
  Module third(3);
  Module copy(*first);
  EXPECT_EQ(LiveModuleIds(), (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(Module::GetDefaultInstance(), first.get());
  *first = third;
  EXPECT_EQ(LiveModuleIds(), (std::vector<int>{3, 2, 3, 1})) << "assignment keeps the place";
  second.reset();
  first.reset();
  EXPECT_EQ(LiveModuleIds(), (std::vector<int>{3, 1}));
  EXPECT_EQ(Module::GetDefaultInstance(), &third);
}

TEST(FontDescriptorTest, AsksTheDefaultFontSourceOnce) {
  FakeFontSource first;
  FakeFontSource second;
  const FontDescriptor main("MainFont", 24, false, true);
  EXPECT_EQ(main.GetHandle(), reinterpret_cast<BitmapFont*>(&first));
  EXPECT_EQ(FontDescriptor("Tahoma", 18, false, false).GetHandle(), nullptr);
  EXPECT_EQ(first.askedFor, (std::vector<std::string>{"MainFont", "Tahoma"}));
  EXPECT_TRUE(second.askedFor.empty());

  // Copies carry the handle without asking again.
  const FontDescriptor copy = main;
  EXPECT_EQ(copy.GetHandle(), reinterpret_cast<BitmapFont*>(&first));
  EXPECT_TRUE(copy.IsItalic());
  EXPECT_EQ(first.askedFor.size(), 2u);
}
