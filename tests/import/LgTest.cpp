// Tests of the Lg reader.
