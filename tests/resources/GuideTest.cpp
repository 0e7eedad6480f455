#include "resources/Guide.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

// A passage for one system's users is read there alone, in every language and section, and no
// mark is left to show or to hide what follows it.
TEST(Guide, EachSystemReadsItsOwnPassagesAndNoMark) {
    const struct {
        GuideSystem system;
        std::string_view kept;
        std::string_view dropped;
    } cases[] = {
        {GuideSystem::Linux, "mail server", "Simple MAPI"},
        {GuideSystem::Windows, "Simple MAPI", "mail server"},
    };
    for (const auto& c : cases) {
        const std::string mail = guideSectionHtml("mail", englishLanguage(), c.system);
        EXPECT_NE(mail.find(c.kept), std::string::npos) << mail;
        EXPECT_EQ(mail.find(c.dropped), std::string::npos) << mail;
        for (const Language& language : languages()) {
            for (const std::string_view section : guideSections()) {
                const std::string html = guideSectionHtml(section, language, c.system);
                EXPECT_EQ(html.find("<!--"), std::string::npos) << language.locale << section;
                EXPECT_EQ(html.find("-->"), std::string::npos) << language.locale << section;
            }
        }
    }
}

} // namespace
} // namespace kolekt
