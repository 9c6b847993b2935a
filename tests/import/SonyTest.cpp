// Tests of the Sony reader.
