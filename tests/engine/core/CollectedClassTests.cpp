#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/core/UlvoCollectedClassInterface.h"

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
