// Tests of the Hisense reader.
