// Built-in defaults of a new area: the two templates and the map colours.
#include "model/roomlist.h"

const TStrings& DefaultFileHeader()
{
    static const TStrings lines = {
        "//",
        "// Area name: XXX",
        "// Creator name: XXX",
        "// Date: XXX",
        "//",
        "",
        "#include <lib.h>",
        "inherit LIB_ROOM;",
        "",
        "// you can add your own include or inherits here",
        "",
        "// you can add your own variables here",
        "",
    };
    return lines;
}

const TStrings& DefaultScriptTemplate()
{
    static const TStrings lines = {
        "//",
        "// Area name: XXX",
        "// Creator name: XXX",
        "// Date: XXX",
        "//",
        "",
        "#include <lib.h>",
        "$_INCLUDE_H_$",
        "inherit LIB_ROOM;",
        "",
        "// Your own variables",
        "protected void create() {",
        "  room::create();",
        "  $_AREANAME_$",
        "  SetClimate( CLIMATE );",
        "  SetRainType( RAIN );",
        "  $_AREATYPE_CONS_$",
        "",
        "  $_LIGHTS_CONS_$",
        "  $_SHORT_$",
        "  $_LONG_$",
        "",
        "  $_ITEMS_$",
        "  $_LISTEN_$",
        "  $_SMELL_$",
        "  $_TOUCH_$",
        "  $_SEARCH_$",
        "  $_READ_$",
        "",
        "  $_OBV_EXITS_$",
        "  $_EXITS_$",
        "  $_ENTERS_$",
        "",
        "}",
        "// end of script",
    };
    return lines;
}

const std::array<int32_t, 19>& DefaultColors()
{
    // Windows colour values 0x00BBGGRR; index 0 is a room without area types.
    static const std::array<int32_t, 19> colors = {
        0x008000, 0x00FF00, 0x008080, 0x008000, 0x008000, 0x000080, 0x000000,
        0x00FFFF, 0x808000, 0x00FFFF, 0xFFFFFF, 0x808000, 0x000080, 0x808080,
        0x800080, 0x000080, 0x800000, 0xFFFF00, 0x00FF00};
    return colors;
}
