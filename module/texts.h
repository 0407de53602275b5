/* texts.h: the module's constant texts. */
#ifndef RIVIDI_TEXTS_H
#define RIVIDI_TEXTS_H

extern const char text_plugin_name[];
extern const char text_plugin_version[];
extern const char text_lua_version[];
extern const char text_author[];
extern const char text_chunk_name[];

#endif
