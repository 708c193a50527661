#pragma once
// An ordered list of shared objects whose walks stay safe while the objects change the list.
//
// The rules every walk obeys (ForEach):
// - it takes the next node before handling the current object, so an object may remove itself;
// - an object removed further on is not visited;
// - an object appended to the end during the walk is visited in the same walk; one inserted at
//   the front is not;
// - a list destroyed or replaced during a walk is finished by that walk: the nodes it holds keep
//   their successors alive, and removing an object from a list that is gone is harmless.
//
// A walk steps through plain pointers; each walk in progress records the node it handles and the
// one it goes to next. Removing the next node moves the walk on past it, and appending to a list
// whose end a walk has reached gives that walk its next node. Whatever would free a node a walk
// stands on (a removal, the list's end) leaves it with that walk until the walk is over; nodes
// are reference counted and keep their successors, so a list gone mid-walk is still finished.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace vorpel {

template <class T>
class TList {
 public:
  struct Node {
    std::shared_ptr<T> value;  // none once removed
    std::shared_ptr<Node> next;
    Node* prev = nullptr;
    TList* owner = nullptr;    // none once removed or once the list is gone

    bool Live() const { return value != nullptr; }
    ~Node() { ReleaseChain(std::move(next)); }
  };
  using NodePtr = std::shared_ptr<Node>;

  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  ~TList() { Clear(); }

  NodePtr AddLast(std::shared_ptr<T> value) {
    auto node = std::make_shared<Node>();
    node->value = std::move(value);
    node->owner = this;
    node->prev = tail_;
    if (tail_) tail_->next = node;
    else head_ = node;
    tail_ = node.get();
    ++count_;
    for (Walk* w = walks_; w; w = w->outer)
      if (w->list == this && !w->next) w->next = node.get();
    return node;
  }

  NodePtr AddFirst(std::shared_ptr<T> value) {
    auto node = std::make_shared<Node>();
    node->value = std::move(value);
    node->owner = this;
    node->next = head_;
    if (head_) head_->prev = node.get();
    else tail_ = node.get();
    head_ = node;
    ++count_;
    return node;
  }

  // Takes a node out of whatever list holds it: it is unlinked and its value released. Its
  // successor is kept for any walk standing on it. A node whose list is gone is only marked.
  static void Remove(Node* node) {
    if (!node) return;
    if (node->owner) node->owner->Unlink(node);
    if (Walk* walk = WalkHolding(node)) walk->kept_values.push_back(std::move(node->value));
    node->value.reset();
  }

  // Removes every node; a walk in progress finishes the nodes it holds, values and all.
  void Clear() {
    for (NodePtr* link = &head_; *link; link = &(*link)->next) {
      Node* n = link->get();
      n->owner = nullptr;
      n->prev = nullptr;
      if (Walk* walk = WalkHolding(n)) walk->kept_nodes.push_back(*link);
    }
    NodePtr chain = std::move(head_);
    tail_ = nullptr;
    count_ = 0;
    ReleaseChain(std::move(chain));
  }

  std::size_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  const NodePtr& First() const { return head_; }
  Node* Last() const { return tail_; }

  // The value at a position from 0; none out of range.
  std::shared_ptr<T> ValueAt(std::size_t index) const {
    if (index >= count_) return nullptr;
    Node* n = head_.get();
    while (index--) n = n->next.get();
    return n->value;
  }

  // Calls f(T&) for each object, following the walk rules above.
  template <class F>
  void ForEach(F&& f) const {
    Walk walk(this);
    for (Node* node = head_.get(); node; node = walk.next) {
      walk.current = node;
      walk.next = node->next.get();  // taken before the object is handled
      // A long list outgrows the cache and each object is a fresh miss: the front of the one
      // two places on (a sprite's first six lines hold what a step reads) and the node after
      // it are asked for now, so they arrive while this one is handled.
      if (walk.next && walk.next->next) {
        const Node* two = walk.next->next.get();
        const char* ahead = reinterpret_cast<const char*>(two->value.get());
        constexpr int kLines = int(std::min<std::size_t>(6, (sizeof(T) + 63) / 64));
        for (int line = 0; line < kLines; ++line) __builtin_prefetch(ahead + line * 64);
        __builtin_prefetch(two->next.get());
      }
      if (T* value = node->value.get()) f(*value);
    }
  }

  // Reorders the list by a stable sort under less(a, b); nodes and walks stay valid.
  template <class Less>
  void StableSort(Less less);

 private:
  // A walk in progress: the nodes it stands on, and what it keeps alive until it is over.
  struct Walk {
    const TList* list;
    Node* current = nullptr;
    Node* next = nullptr;
    std::vector<NodePtr> kept_nodes;
    std::vector<std::shared_ptr<T>> kept_values;
    Walk* outer = walks_;
    explicit Walk(const TList* walked) : list(walked) { walks_ = this; }
    ~Walk() { walks_ = outer; }
    Walk(const Walk&) = delete;
    Walk& operator=(const Walk&) = delete;
  };

  // The outermost walk standing on the node (the one that needs it longest), or none.
  static Walk* WalkHolding(const Node* node) {
    Walk* holder = nullptr;
    for (Walk* w = walks_; w; w = w->outer)
      if (w->current == node || w->next == node) holder = w;
    return holder;
  }

  void Unlink(Node* node) {
    NodePtr keep = node->prev ? node->prev->next : head_;  // the link that owns node
    if (Walk* walk = WalkHolding(node)) walk->kept_nodes.push_back(keep);
    for (Walk* w = walks_; w; w = w->outer)
      if (w->next == node) w->next = node->next.get();
    if (node->prev) node->prev->next = node->next;
    else head_ = node->next;
    if (node->next) node->next->prev = node->prev;
    else tail_ = node->prev;
    node->owner = nullptr;
    node->prev = nullptr;
    --count_;
  }

  // Destroys a chain of nodes without recursion, stopping at a node someone else still holds.
  static void ReleaseChain(NodePtr chain) {
    while (chain && chain.use_count() == 1) chain = std::move(chain->next);
  }

  NodePtr head_;
  Node* tail_ = nullptr;
  std::size_t count_ = 0;
  inline static Walk* walks_ = nullptr;  // innermost first; one thread walks
};

template <class T>
template <class Less>
void TList<T>::StableSort(Less less) {
  std::vector<NodePtr> nodes;
  nodes.reserve(count_);
  for (NodePtr n = head_; n; n = n->next) nodes.push_back(n);
  std::stable_sort(nodes.begin(), nodes.end(),
                   [&](const NodePtr& a, const NodePtr& b) { return less(*a->value, *b->value); });
  head_.reset();
  tail_ = nullptr;
  for (NodePtr& n : nodes) {
    n->next.reset();
    n->prev = tail_;
    if (tail_) tail_->next = n;
    else head_ = n;
    tail_ = n.get();
  }
}

}  // namespace vorpel
