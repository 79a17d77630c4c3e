#pragma once
// The product's outward addresses: the support mailbox, the maker's web
// site and the web map service. One place, so a build for a maker changes
// only these; the values are neutral placeholders under the reserved
// example domains.

namespace krx::product {

inline constexpr char kSupportAddress[] = "support@example.com";
inline constexpr char kWebAddress[] = "http://www.example.com";
inline constexpr char kMapHost[] = "maps.example.com";

}  // namespace krx::product
