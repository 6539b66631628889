#pragma once

#include <boost/math/policies/policy.hpp>

namespace orrery::stats_detail {

// Boost.Math reports trouble by throwing unless told otherwise; the
// distributions check their inputs themselves, so any leftover edge returns
// a value (NaN, infinity or the best estimate) instead. Double precision all
// the way is accurate to about 1e-14 here and several times faster than
// promoting to long double.
using Policy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::underflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::rounding_error<boost::math::policies::ignore_error>,
    boost::math::policies::promote_double<false>>;

}  // namespace orrery::stats_detail
