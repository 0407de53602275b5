/* texts.cpp: the plugin's name, version, Lua version, author text and chunk name. */
#include "texts.h"

#include "maker.h"

const char text_plugin_name[] = "Rividi";
const char text_plugin_version[] = "2,0,0,0";
const char text_lua_version[] = "Lua 5.1";
const char text_chunk_name[] = "Rividi Action Plugin";

const char text_author[] =
    "Rividi Lattice model by Zentrix Programming.\r\n"
    "\r\n"
    "This is an Action plugin which places most Rividi/DialogEx \r\n"
    "And Page related functions in an object oriented model.\r\n"
    "See the helpfile For more information And For facts on how\r\n"
    "To use this plugin.\r\n"
    "\r\n"
    RIVIDI_MAKER_WEB "\r\n"
    "\r\n"
    "This is the version For AMS 8, including new functions For compatibility With the new objects. "
    "This will Not work With AMS7.5 Or lower.";
