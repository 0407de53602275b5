-- globals.lua: the switches that the object model shares with project scripts, set first at every run.
ZOBJECT_SURPRESS_ERRORS = true
ZOBJECT_CODE_CHAINING = 0
ZOBJECT_STACK_CACHE = {}
ZOBJECT_CHAINING_BASIC = 1
ZOBJECT_CHAINING_STACK = 2
ZOBJECT_CHAINING_NONE = 0
