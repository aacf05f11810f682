# The numbers the screenshots show: the references the tests compare with
# (tests/data/screenshots) and the pictures of the documentation
# (docs/screenshots). 0 and 79999 are the ends of the range, 46362 the day
# count of 6 December 2026.
REFERENCE_NUMBERS=(0 7 1994 46362 79999)
DOCS_NUMBERS=(0 1994 79999)
