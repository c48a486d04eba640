/home/ann/ulvex2/ulvex2.exe
