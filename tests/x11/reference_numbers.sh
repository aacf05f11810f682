# The numbers the screenshots show: the references the tests compare with
# (tests/data/screenshots) and the pictures of the documentation
# (docs/screenshots). 0 and 79999 are the ends of the range, 46362 the day
# count of 6 December 2026, 46363 five digits and none of them zero.
REFERENCE_NUMBERS=(0 7 1994 46362 79999)
DOCS_NUMBERS=(0 1994 46363 79999)
# The fourth and fifth pages also at scale 2 and with a dark desktop palette.
NEW_PAGES_DOCS_NUMBERS=(1994 46363)
