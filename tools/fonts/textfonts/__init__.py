"""The fonts of the rows written as Unicode text (the third page and after).

Each row draws its text, shaped, in a family of its own: a subset of one
Debian-packaged Noto font with exactly the characters the row writes over
0..79999 and the layout tables their shaping needs. See build.py.
"""
