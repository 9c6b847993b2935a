// Tests of the Panasonic reader.
