// The posts of this session, newest last, each with the publisher record as it was before it,
// so that they can be taken back one by one. Only the record goes back: a remark the post
// wrote stays in the pool unnamed, which the file layout allows.
#pragma once

#include "collection/FileLayout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolekt {

class CollectionStore;

class PostUndo {
public:
    struct Post {
        int record = 0;
        int month = 0; // the month the report was posted for
        std::array<std::uint8_t, layout::kRecordSize> before{};
        std::string lastPostedBefore; // the store's lastPosted before the post
    };

    // Record n of the store as it is now, for push once a post has changed it.
    static Post before(const CollectionStore& store, int n);
    void push(Post post, int month);

    bool empty() const { return posts_.empty(); }
    // The newest post; only while not empty.
    const Post& last() const { return posts_.back(); }
    // Puts the newest post's record and the store's lastPosted back as they were before it and
    // forgets the post, which is returned. Only while not empty.
    Post undo(CollectionStore& store);
    // A new collection: what was posted to the old one cannot be taken back in the new one.
    void clear() { posts_.clear(); }

private:
    std::vector<Post> posts_;
};

} // namespace kolekt
