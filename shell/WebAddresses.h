#pragma once
// The product's web pages, published by the internet table server in the
// tintfall/ folder of its web site, and the support address (build options).
#include "TableServerConfig.h"

namespace tintfall {

inline constexpr const char* kHomePageUrl = TINTFALL_SITE_URL "index.htm";
inline constexpr const char* kTop50PageUrl = TINTFALL_SITE_URL "top.htm";
// The About box's button shows the folder's address and opens it.
inline constexpr const char* kAboutHomeUrl = TINTFALL_SITE_URL;
inline constexpr const char* kSupportMail = TINTFALL_SUPPORT_MAIL;

}  // namespace tintfall
