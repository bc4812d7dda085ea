#pragma once
// The product's web site and support address.
namespace tintfall {

inline constexpr const char* kHomeSite = "http://www.tintfall.example";
inline constexpr const char* kHomePageUrl = "http://www.tintfall.example/tintfall/index.htm";
inline constexpr const char* kTop50PageUrl = "http://www.tintfall.example/tintfall/top.htm";
// The About box's button shows this address and opens it.
inline constexpr const char* kAboutHomeUrl = "http://www.tintfall.example/tintfall/";
inline constexpr const char* kSupportMail = "support@tintfall.example";

}  // namespace tintfall
