#include "collection/PostUndo.h"

#include "collection/CollectionStore.h"

#include <algorithm>
#include <utility>

namespace kolekt {

PostUndo::Post PostUndo::before(const CollectionStore& store, int n) {
    Post post;
    post.record = n;
    std::copy_n(store.record(n), layout::kRecordSize, post.before.begin());
    post.lastPostedBefore = store.lastPosted();
    return post;
}

void PostUndo::push(Post post, int month) {
    post.month = month;
    posts_.push_back(std::move(post));
}

PostUndo::Post PostUndo::undo(CollectionStore& store) {
    Post post = std::move(posts_.back());
    posts_.pop_back();
    std::copy(post.before.begin(), post.before.end(), store.record(post.record));
    store.setLastPosted(post.lastPostedBefore);
    return post;
}

} // namespace kolekt
