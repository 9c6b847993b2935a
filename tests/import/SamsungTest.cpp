// Tests of the Samsung reader.
