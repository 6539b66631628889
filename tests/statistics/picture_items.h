#pragma once

#include <variant>
#include <vector>

#include "statistics/distribution_picture.h"

namespace orrery::testing {

// The primitives of one kind in a picture, in painting order.
template <class T>
std::vector<T> itemsOf(const DistributionPicture& picture) {
    std::vector<T> out;
    for (const PicturePrimitive& item : picture.items)
        if (const T* p = std::get_if<T>(&item)) out.push_back(*p);
    return out;
}

}  // namespace orrery::testing
