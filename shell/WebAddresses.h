#pragma once
// The product's web pages, published by the internet table server's web
// site (a build option), and the support address.
#include "TableServerConfig.h"

namespace tintfall {

inline constexpr const char* kHomePageUrl = TINTFALL_WEB_URL "index.html";
inline constexpr const char* kTop50PageUrl = TINTFALL_WEB_URL "top50.html";
// The About box's button shows the site's address and opens it.
inline constexpr const char* kAboutHomeUrl = TINTFALL_WEB_URL;
inline constexpr const char* kSupportMail = "support@tintfall.example";

}  // namespace tintfall
