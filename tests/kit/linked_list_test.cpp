#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kit/linked_list.hpp"

namespace {
struct Item {
  int id;
  std::weak_ptr<vorpel::TList<Item>::Node> link;
};
using List = vorpel::TList<Item>;

std::shared_ptr<Item> Add(List& list, int id, bool last = true) {
  auto item = std::make_shared<Item>(Item{id, {}});
  item->link = last ? list.AddLast(item) : list.AddFirst(item);
  return item;
}

void Kill(Item& item) { List::Remove(item.link.lock().get()); }

std::vector<int> Ids(const List& list) {
  std::vector<int> ids;
  list.ForEach([&](Item& i) { ids.push_back(i.id); });
  return ids;
}
}  // namespace

TEST(LinkedList, OrderFollowsAppendAndPrepend) {
  List list;
  Add(list, 1);
  Add(list, 2);
  Add(list, 0, false);
  EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.ValueAt(2)->id, 2);
  EXPECT_EQ(list.ValueAt(3), nullptr);
}

TEST(LinkedList, AnObjectMayRemoveItselfDuringTheWalk) {
  List list;
  for (int i = 0; i < 5; ++i) Add(list, i);
  std::vector<int> seen;
  list.ForEach([&](Item& i) {
    seen.push_back(i.id);
    if (i.id % 2 == 0) Kill(i);
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 3}));
  EXPECT_EQ(list.Count(), 2u);
}

TEST(LinkedList, ObjectsRemovedFurtherOnAreNotVisited) {
  List list;
  std::vector<std::shared_ptr<Item>> items;
  for (int i = 0; i < 5; ++i) items.push_back(Add(list, i));
  std::vector<int> seen;
  list.ForEach([&](Item& i) {
    seen.push_back(i.id);
    if (i.id == 1) {
      Kill(*items[2]);  // the very next node, already taken by the walk
      Kill(*items[3]);
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 4}));
}

TEST(LinkedList, AppendedObjectsAreVisitedAndPrependedOnesAreNot) {
  List list;
  for (int i = 0; i < 3; ++i) Add(list, i);
  std::vector<int> seen;
  list.ForEach([&](Item& i) {
    seen.push_back(i.id);
    if (i.id == 0) {
      Add(list, 10);
      Add(list, -1, false);
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 10}));
}

TEST(LinkedList, ObjectsAppendedAtTheEndOfTheWalkAreVisitedToo) {
  List list;
  Add(list, 0);
  std::vector<int> seen;
  list.ForEach([&](Item& i) {
    seen.push_back(i.id);
    if (i.id == 0) Add(list, 1);  // by the last object
    if (i.id == 1) {              // by the last object, after removing itself
      Kill(i);
      Add(list, 2);
      Add(list, 3);
    }
    if (i.id == 2) {  // after removing the last object, which the walk would go to next
      Kill(*list.Last()->value);
      Add(list, 4);
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 4}));
  EXPECT_EQ(Ids(list), (std::vector<int>{0, 2, 4}));
}

TEST(LinkedList, AListReplacedDuringAWalkIsFinishedSafely) {
  auto list = std::make_unique<List>();
  for (int i = 0; i < 4; ++i) Add(*list, i);
  std::vector<int> seen;
  List* walked = list.get();
  walked->ForEach([&](Item& i) {
    seen.push_back(i.id);
    if (i.id == 1) {
      list = std::make_unique<List>();  // the old list is destroyed under the walk
      Add(*list, 99);
    }
    if (i.id == 2) Kill(i);  // removing from a list that is gone is harmless
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{99}));
}

TEST(LinkedList, RemovedObjectsAreReleased) {
  List list;
  std::weak_ptr<Item> watch = Add(list, 1);
  Kill(*watch.lock());
  EXPECT_TRUE(watch.expired());
  Kill(*Add(list, 2));
  List::Remove(nullptr);
  EXPECT_TRUE(list.Empty());
}

// Each node owns the next, so releasing them one inside another would overflow the stack on a
// list this long (a crash fails the test); every object must still be released.
TEST(LinkedList, LongListsAreDestroyedWithoutDeepRecursion) {
  auto list = std::make_unique<List>();
  std::weak_ptr<Item> first = Add(*list, 0), middle;
  for (int i = 1; i < 1000000; ++i) {
    auto item = Add(*list, i);
    if (i == 500000) middle = item;
  }
  std::weak_ptr<Item> last = Add(*list, 1000000);
  list.reset();
  EXPECT_TRUE(first.expired());
  EXPECT_TRUE(middle.expired());
  EXPECT_TRUE(last.expired());
}

TEST(LinkedList, StableSortKeepsEqualKeysInOrder) {
  List list;
  for (int id : {31, 10, 32, 11, 33}) Add(list, id);
  list.StableSort([](const Item& a, const Item& b) { return a.id / 10 < b.id / 10; });
  EXPECT_EQ(Ids(list), (std::vector<int>{10, 11, 31, 32, 33}));
  Add(list, 5);
  EXPECT_EQ(Ids(list).back(), 5);
  EXPECT_EQ(list.Last()->value->id, 5);
}

// Objects the list alone owns: a walk must keep what it stands on alive until it is done.
namespace {
struct Tracked {
  int id;
  std::weak_ptr<vorpel::TList<Tracked>::Node> link;
  bool* alive;
  ~Tracked() { *alive = false; }
};
using TrackedList = vorpel::TList<Tracked>;

void AddTracked(TrackedList& list, int id, bool* alive) {
  auto item = std::make_shared<Tracked>(Tracked{id, {}, alive});
  *alive = true;
  item->link = list.AddLast(item);
}
void KillTracked(Tracked& t) { TrackedList::Remove(t.link.lock().get()); }
}  // namespace

TEST(LinkedList, WhatAWalkStandsOnOutlivesItsRemovalUntilTheWalkEnds) {
  bool alive[4];
  TrackedList list;
  for (int i = 0; i < 4; ++i) AddTracked(list, i, &alive[i]);
  std::vector<int> seen;
  std::vector<Tracked*> all;
  list.ForEach([&](Tracked& t) { all.push_back(&t); });
  list.ForEach([&](Tracked& t) {
    seen.push_back(t.id);
    if (t.id == 0) {
      KillTracked(t);  // itself: still usable for the rest of its step
      EXPECT_TRUE(alive[0]);
      EXPECT_EQ(t.id, 0);
      KillTracked(*all[1]);  // the next one, which the walk already took
      KillTracked(*all[2]);  // further on: not held by anyone, freed at once
      EXPECT_FALSE(alive[2]);
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 3}));
  EXPECT_FALSE(alive[0]) << "released when the walk ended";
  EXPECT_FALSE(alive[1]);
  EXPECT_TRUE(alive[3]);
}

TEST(LinkedList, NestedWalksKeepTheOuterObjectUntilTheOuterStepEnds) {
  bool alive[3];
  TrackedList list;
  for (int i = 0; i < 3; ++i) AddTracked(list, i, &alive[i]);
  std::vector<int> outer;
  list.ForEach([&](Tracked& t) {
    outer.push_back(t.id);
    if (t.id != 0) return;
    list.ForEach([&](Tracked& inner) {
      if (inner.id == 0) KillTracked(inner);  // the object the outer walk is handling
    });
    EXPECT_TRUE(alive[0]) << "the outer step still runs on it";
    EXPECT_EQ(t.id, 0);
  });
  EXPECT_EQ(outer, (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(alive[0]);
}
