<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="20_Words" tilewidth="900" tileheight="200" tilecount="3" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="3"/>
 </properties>
 <tile id="0">
  <image width="800" height="160" source="20_Words/For_Now.png"/>
 </tile>
 <tile id="1">
  <image width="900" height="200" source="20_Words/Game_Over.png"/>
 </tile>
 <tile id="2">
  <image width="900" height="200" source="20_Words/You_Win.png"/>
 </tile>
</tileset>
