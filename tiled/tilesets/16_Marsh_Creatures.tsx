<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="16_Marsh_Creatures" tilewidth="256" tileheight="80" tilecount="26" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="26"/>
 </properties>
 <tile id="0">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly.png"/>
 </tile>
 <tile id="1">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Dive_0.png"/>
 </tile>
 <tile id="2">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Dive_1.png"/>
 </tile>
 <tile id="3">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Hover_0.png"/>
 </tile>
 <tile id="4">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Hover_1.png"/>
 </tile>
 <tile id="5">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Hover_2.png"/>
 </tile>
 <tile id="6">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Shiver_0.png"/>
 </tile>
 <tile id="7">
  <image width="112" height="72" source="16_Marsh_Creatures/Dragonfly_Shiver_1.png"/>
 </tile>
 <tile id="8">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog.png"/>
 </tile>
 <tile id="9">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Croak_0.png"/>
 </tile>
 <tile id="10">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Croak_1.png"/>
 </tile>
 <tile id="11">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Croak_2.png"/>
 </tile>
 <tile id="12">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Leap_0.png"/>
 </tile>
 <tile id="13">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Leap_1.png"/>
 </tile>
 <tile id="14">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Leap_2.png"/>
 </tile>
 <tile id="15">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Sit_0.png"/>
 </tile>
 <tile id="16">
  <image width="96" height="80" source="16_Marsh_Creatures/Frog_Sit_1.png"/>
 </tile>
 <tile id="17">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge.png"/>
 </tile>
 <tile id="18">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Crumble_0.png"/>
 </tile>
 <tile id="19">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Crumble_1.png"/>
 </tile>
 <tile id="20">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Crumble_2.png"/>
 </tile>
 <tile id="21">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Shake_0.png"/>
 </tile>
 <tile id="22">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Shake_1.png"/>
 </tile>
 <tile id="23">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Shake_2.png"/>
 </tile>
 <tile id="24">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Shake_3.png"/>
 </tile>
 <tile id="25">
  <image width="256" height="56" source="16_Marsh_Creatures/Ledge_Whole.png"/>
 </tile>
</tileset>
