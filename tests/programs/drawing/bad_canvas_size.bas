' A canvas size of no pixels is a usage error.
END
