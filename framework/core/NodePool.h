// Block allocator for the nodes of the linked collections (lists and maps). Nodes are carved
// from blocks of a fixed number of slots and recycled through a free list, so a node never moves
// while it is alive: its address can serve as a POSITION.
#pragma once

#include "framework/core/AfxDefs.h"

#include <memory>
#include <utility>
#include <vector>

template <class NODE> class NodePool {
public:
    // A block size below one is taken as one.
    explicit NodePool(INT_PTR nBlockSize) : m_blockSize(nBlockSize > 0 ? nBlockSize : 1) {}
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    // Nodes still alive are not destroyed here: the owning collection frees them first.
    ~NodePool() = default;

    template <class... Args> NODE* New(Args&&... args) {
        if (m_free == nullptr)
            AddBlock();
        Slot* slot = m_free;
        m_free = slot->nextFree;
        try {
            return std::construct_at(&slot->node, std::forward<Args>(args)...);
        } catch (...) {
            slot->nextFree = m_free;
            m_free = slot;
            throw;
        }
    }

    void Free(NODE* node) {
        Slot* slot = reinterpret_cast<Slot*>(node);
        std::destroy_at(node);
        slot->nextFree = m_free;
        m_free = slot;
    }

    // Returns every block to the heap. Only valid once all nodes have been freed.
    void Release() {
        m_blocks.clear();
        m_free = nullptr;
    }

private:
    union Slot {
        Slot* nextFree;
        NODE node;
        Slot() : nextFree(nullptr) {}
        ~Slot() {}
    };

    void AddBlock() {
        auto block = std::make_unique<Slot[]>(static_cast<size_t>(m_blockSize));
        // Chained so that the block's slots are handed out in address order.
        for (INT_PTR i = m_blockSize - 1; i >= 0; --i) {
            block[i].nextFree = m_free;
            m_free = &block[i];
        }
        m_blocks.push_back(std::move(block));
    }

    INT_PTR m_blockSize;
    Slot* m_free = nullptr;
    std::vector<std::unique_ptr<Slot[]>> m_blocks;
};
