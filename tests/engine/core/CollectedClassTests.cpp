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

class Widget : public UlvoCollectedClassInterface<Widget> {};

std::vector<int> LiveModuleIds() {
  std::vector<int> ids;
  for (size_t i = 0; i < Module::GetInstanceCount(); ++i) {
    ids.push_back(Module::GetInstance(i)->id);
  }
  return ids;
}

}  // namespace

TEST(CollectedClassTest, KeepsConstructionOrder) {
  Module first(1);
  Module second(2);
  Module third(3);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), LiveModuleIds());
  EXPECT_EQ(&first, Module::GetDefaultInstance());
}

TEST(CollectedClassTest, DestroyedObjectsLeaveAtOnce) {
  auto first = std::make_unique<Module>(1);
  auto second = std::make_unique<Module>(2);
  Module third(3);
  second.reset();
  EXPECT_EQ((std::vector<int>{1, 3}), LiveModuleIds());
  first.reset();
  EXPECT_EQ((std::vector<int>{3}), LiveModuleIds());
  EXPECT_EQ(&third, Module::GetDefaultInstance());
}

TEST(CollectedClassTest, CopiesJoinAndAssignmentKeepsMembership) {
  Module first(1);
  Module second(2);
  Module copy(first);
  EXPECT_EQ((std::vector<int>{1, 2, 1}), LiveModuleIds());
  first = second;
  EXPECT_EQ((std::vector<int>{2, 2, 1}), LiveModuleIds());
  EXPECT_EQ(3u, Module::GetInstanceCount());
}

namespace {

class FakeFontSource : public UlvoFontSourceInterface {
 public:
  BitmapFont* GetFont(const std::string& face) override {
    askedFor.push_back(face);
    return face == loadedFace ? font : nullptr;
  }

  std::string loadedFace;
  BitmapFont* font = nullptr;
  std::vector<std::string> askedFor;
};

BitmapFont* FakeFontHandle(int n) {
  static char storage[4];
  return reinterpret_cast<BitmapFont*>(&storage[n]);
}

}  // namespace

TEST(FontDescriptorTest, AsksTheDefaultFontSourceOnce) {
  FakeFontSource first;
  first.loadedFace = "MainFont";
  first.font = FakeFontHandle(0);
  FakeFontSource second;
  second.loadedFace = "MainFont";
  second.font = FakeFontHandle(1);

  const FontDescriptor main("MainFont", 24, false, true);
  EXPECT_EQ(FakeFontHandle(0), main.GetHandle());
  const FontDescriptor missing("Tahoma", 18, false, false);
  EXPECT_EQ(nullptr, missing.GetHandle());
  EXPECT_EQ((std::vector<std::string>{"MainFont", "Tahoma"}), first.askedFor);
  EXPECT_TRUE(second.askedFor.empty());

  // Copies carry the handle without asking again.
  FontDescriptor copy = main;
  EXPECT_EQ(FakeFontHandle(0), copy.GetHandle());
  EXPECT_TRUE(copy.IsItalic());
  EXPECT_EQ(2u, first.askedFor.size());
}
