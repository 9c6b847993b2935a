// Tests of the Toshiba reader.
