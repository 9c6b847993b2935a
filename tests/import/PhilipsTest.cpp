// Tests of the Philips reader.
