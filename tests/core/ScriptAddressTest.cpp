#include "platform/core/ScriptAddress.h"

#include <gtest/gtest.h>

TEST(ScriptAddressTest, ScriptsAreKnownHoweverTheyAreWritten)
{
    for (const char *text : {"javascript:alert(1)", "JavaScript:alert(document.cookie)", "  javascript:void(0)",
                             "\x01\tjavascript:alert(1)", "java\tscript:alert(1)", "jav\r\nascript:alert(1)",
                             "javascript:"})
        EXPECT_TRUE(isScriptAddress(QString::fromLatin1(text))) << text;
}

TEST(ScriptAddressTest, AddressesAndPathsAreNotScripts)
{
    for (const char *text : {"", "http://www.example.com/", "https://example.com/?q=javascript:", "example.com",
                             "/opt/gavrin/gavrinhelp.htm", "C:\\Gavrin\\temp.html", "file:///tmp/javascript.html",
                             "javascripts.example.com", "about:blank"})
        EXPECT_FALSE(isScriptAddress(QString::fromLatin1(text))) << text;
}
