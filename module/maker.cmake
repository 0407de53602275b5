# The plugin maker's details, shared by the action description document, the author text and the version resource.
include_guard(DIRECTORY)

set(RIVIDI_MAKER_COMPANY "Zentrix Programming")
set(RIVIDI_MAKER_EMAIL "info@zentrix-programming.nl")
# A bare host name: no scheme, no path.
set(RIVIDI_MAKER_WEB "www.zentrix-programming.nl")
# What follows the copyright sign; the sign itself is added where the text is used.
set(RIVIDI_MAKER_COPYRIGHT " 2011 Zentrix Programming.")
